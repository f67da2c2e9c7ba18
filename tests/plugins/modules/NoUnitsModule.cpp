// A shared object that is not a plug-in: it exports nothing the viewer looks for.
extern "C" __attribute__((visibility("default"))) int QBTestNotAPlugIn() { return 1; }
