#pragma once
// The internet cleaner module "Drossel.dll": it scans one browser's stored
// data for redundant entries and removes them. A caller has the module make
// its parameter record, sets the browser kind and the three scan options in
// it, stores the record's address in the module's third word and, per
// browser kind, calls Scan and then the delete operation that fits the
// browser. Both records have a fixed layout that caller and module share.
#include <cstddef>
#include <cstdint>
#include <cstring>

// DROSSEL_API: made by the module. The module object's copy constructor and
// assignment are made and exported by the program that holds the module
// (DROSSEL_HOST_API); the module exports the rest of the class, its table of
// virtual operations included.
#ifdef DROSSEL_BUILD
#define DROSSEL_API __declspec(dllexport)
#define DROSSEL_CLASS __declspec(dllexport)
#define DROSSEL_MEMBER
#define DROSSEL_HOST_API
#else
#define DROSSEL_API __declspec(dllimport)
#define DROSSEL_CLASS
#define DROSSEL_MEMBER __declspec(dllimport)
#define DROSSEL_HOST_API __declspec(dllexport)
#endif

// Browser kinds a parameter record names.
enum DrosselBrowserKind {
    kDrosselInternetExplorer = 1,
    kDrosselNetscape6 = 2,
    kDrosselNetscape7 = 3,
    kDrosselOpera = 4,
    kDrosselMozilla = 5,
};

// The parameter record: 140 bytes, all zero when the module has made it. A
// caller sets only the 32-bit browser kind at byte 28 and the three byte
// options at bytes 129, 130 and 131; the other bytes are the module's.
constexpr std::size_t kDrosselParamsSize = 140;
constexpr std::size_t kDrosselBrowserKindOffset = 28;
constexpr std::size_t kDrosselScanOptionsOffset = 129;

class DROSSEL_API CInternetCleanerParamters {
public:
    // The scan options, in their byte order.
    enum ScanOption { kScanHistory, kScanCache, kScanCookies, kScanOptionCount };

    CInternetCleanerParamters();

    int32_t BrowserKind() const {
        int32_t kind;
        std::memcpy(&kind, bytes_ + kDrosselBrowserKindOffset, sizeof(kind));
        return kind;
    }
    void SetBrowserKind(int32_t kind) {
        std::memcpy(bytes_ + kDrosselBrowserKindOffset, &kind, sizeof(kind));
    }
    uint8_t Option(ScanOption option) const { return bytes_[kDrosselScanOptionsOffset + option]; }
    void SetOption(ScanOption option, uint8_t value) { bytes_[kDrosselScanOptionsOffset + option] = value; }

private:
    alignas(4) unsigned char bytes_[kDrosselParamsSize];
};

static_assert(sizeof(CInternetCleanerParamters) == kDrosselParamsSize,
              "the parameter record is exactly 140 bytes");

// The module object: its table pointer, then three words; the third points
// to the parameter record Scan and the delete operations read.
class DROSSEL_CLASS CInternetCleanerModule {
public:
    DROSSEL_MEMBER CInternetCleanerModule();
    // Both copy the three words after the table pointer.
    DROSSEL_HOST_API CInternetCleanerModule(const CInternetCleanerModule& other);
    DROSSEL_HOST_API CInternetCleanerModule& operator=(const CInternetCleanerModule& other);
    DROSSEL_MEMBER virtual ~CInternetCleanerModule();

    // Looks for redundant entries of the attached record's browser kind.
    DROSSEL_MEMBER void Scan();
    // Removes what the last scan found (Internet Explorer and Netscape kinds).
    DROSSEL_MEMBER void DeleteReduandantEntries();
    // Removes what the last scan found in Opera.
    DROSSEL_MEMBER void DeleteOperaRedundantEntries();

    intptr_t ScannedKind;   // kind of the last scan, 0 before any
    intptr_t FoundEntries;  // entries the last scan found
    CInternetCleanerParamters* Params;  // attached by the caller before Scan
};

// One operation as the module carried it out, with what it read from the
// attached record (all zero without a record).
enum DrosselOperation {
    kDrosselScan = 1,
    kDrosselDeleteRedundant = 2,
    kDrosselDeleteOperaRedundant = 3,
};
struct DrosselCall {
    int operation;
    int browserKind;
    uint8_t options[CInternetCleanerParamters::kScanOptionCount];
    const CInternetCleanerParamters* params;
};
typedef void (*DrosselObserver)(const DrosselCall* call);

// Installs an observer of every operation (nullptr for none), for
// diagnostics; returns the previous one.
extern "C" DROSSEL_API DrosselObserver DrosselSetObserver(DrosselObserver observer);
