// A library that is no plug-in: it exports no entry point.
extern "C" int cadeditorNotAnEntryPoint() { return 7; }
