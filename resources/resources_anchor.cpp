// The resources library needs one source of its own; the compiled-in files
// come from the resource compiler.
