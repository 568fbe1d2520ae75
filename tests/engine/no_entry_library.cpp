// A library named like the router-control library that exports neither
// "LoadObj" nor "FreeObj".
extern "C" int UnrelatedExport() {
    return 0;
}
