#pragma once
// Numbers for the runner's JSON lines: doubles in their shortest form that
// reads back as the same double.

#include <string>

std::string JsonNumber(double value);
std::string JsonString(const std::string& text);
