#pragma once
// The internet cleaner module "Drossel.dll": it scans one browser's stored
// data for redundant entries and removes them. A caller fills a parameter
// record, attaches it to the module and, per browser kind, calls Scan and
// then the delete operation that fits the browser.
#include <cstdint>

#ifdef DROSSEL_BUILD
#define DROSSEL_API __declspec(dllexport)
#else
#define DROSSEL_API __declspec(dllimport)
#endif

// Browser kinds a parameter record names.
enum DrosselBrowserKind {
    kDrosselInternetExplorer = 1,
    kDrosselNetscape6 = 2,
    kDrosselNetscape7 = 3,
    kDrosselOpera = 4,
    kDrosselMozilla = 5,
};

class DROSSEL_API CInternetCleanerParamters {
public:
    CInternetCleanerParamters();

    int32_t BrowserKind;
    // What a scan looks at; a caller that wants a full clean sets all three.
    uint8_t ScanHistory;
    uint8_t ScanCache;
    uint8_t ScanCookies;
};

class DROSSEL_API CInternetCleanerModule {
public:
    CInternetCleanerModule();
    virtual ~CInternetCleanerModule();

    // Looks for redundant entries of the attached record's browser kind.
    void Scan();
    // Removes what the last scan found (Internet Explorer and Netscape kinds).
    void DeleteReduandantEntries();
    // Removes what the last scan found in Opera.
    void DeleteOperaRedundantEntries();

    int32_t ScannedKind;   // kind of the last scan, 0 before any
    int32_t FoundEntries;  // entries the last scan found
    CInternetCleanerParamters* Params;  // attached by the caller before Scan
};

// The module's operations as an observer sees them, for diagnostics.
enum DrosselOperation {
    kDrosselScan = 1,
    kDrosselDeleteRedundant = 2,
    kDrosselDeleteOperaRedundant = 3,
};
typedef void (*DrosselObserver)(int operation, int browserKind);

// Installs an observer of every operation (nullptr for none); returns the
// previous one.
extern "C" DROSSEL_API DrosselObserver DrosselSetObserver(DrosselObserver observer);
