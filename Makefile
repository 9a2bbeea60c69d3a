# The two set-up commands of the README (`make run`, `make test`) and friends.
BUILD ?= build
SAN_BUILD ?= build-sanitize
# Release, as distributions build it: -O3 warns where -O2 does not, so the
# checks below see what a packager's build sees.
BUILD_TYPE ?= Release
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# The checks treat warnings as errors; a plain build does not.
WERROR_FLAG := -DTORVANE_WERROR=ON

.PHONY: all setup configure build run test bench test-sanitize package translations clean format

all: build

setup:
	@bash scripts/setup.sh

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/shell/torvane ]; then \
	  $(BUILD)/shell/torvane; \
	else \
	  $(BUILD)/tools/sim/torvane-sim tools/demo.tvs; \
	fi

# A fresh build folder is configured with warnings as errors; an existing one
# is switched over once, if it was configured without.
test: CMAKE_FLAGS += $(WERROR_FLAG)
test: configure
	@grep -qx 'TORVANE_WERROR:BOOL=ON' $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(WERROR_FLAG)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: setup
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD)-bench -j $(JOBS) --target benchmarks
	@for b in $(BUILD)-bench/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

test-sanitize: setup
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_SANITIZE=ON $(WERROR_FLAG) $(CMAKE_FLAGS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen TORVANE_SOAK_SCALE=10 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/reliability/lsan_suppressions.txt:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD) && cpack -G DEB

# Brings resources/translations/*.ts up to date with the texts of the code.
translations: configure
	cmake --build $(BUILD) --target translations

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(SAN_BUILD)
