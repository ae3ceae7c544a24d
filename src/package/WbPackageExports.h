/* What the package libraries libwbforms40.so and libwbforms30.so export, with C linkage, for
 * the host that loads them: a designer that fills its component palette, or a program that
 * renders forms at run time. This header is plain C, so a host in any language can follow it.
 *
 * A host loads a library with dlopen(path, RTLD_NOW | RTLD_LOCAL), calls Initialize, reads
 * GetPackageInfoTable, calls the Register procedure of every contained unit that has one, reads
 * the palette with WbPackagePaletteCount and WbPackagePaletteItem and the bitmaps with
 * WbPackageFindBitmap, and calls Finalize before dlclose. Everything runs on the host's one
 * thread. A string the library returns stays valid until the same function is called again; a
 * palette item's strings until the next Register procedure runs. */
#ifndef WBFORMS_PACKAGE_EXPORTS_H
#define WBFORMS_PACKAGE_EXPORTS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*TWbUnitProcedure)(void);

/* One unit of the start table: Initialize calls the Start procedures in table order, Finalize
 * the Stop procedures in reverse order. */
typedef struct TWbUnitEntry {
    const char* Name;
    TWbUnitProcedure Start;
    TWbUnitProcedure Stop;
} TWbUnitEntry;

/* One unit the package contains. Register is the unit's registration procedure, exported
 * under the name Name + "_Register" (WbPage_Register); NULL for a unit without one. */
typedef struct TWbContainedUnit {
    const char* Name;
    TWbUnitProcedure Register;
} TWbContainedUnit;

/* Flags of the package. */
enum {
    WB_PACKAGE_MODULE = 0x1,      /* a package, not a program or a plain library */
    WB_PACKAGE_NEVER_BUILD = 0x2, /* the host never rebuilds it implicitly */
    WB_PACKAGE_DESIGN_ONLY = 0x4, /* (not set: the package serves design time and run time) */
    WB_PACKAGE_RUN_ONLY = 0x8     /* (not set) */
};

/* The package information table. Size is sizeof(TWbPackageInfoTable) of the library's build;
 * later versions only add fields at the end. */
typedef struct TWbPackageInfoTable {
    uint32_t Size;
    uint32_t Flags;
    const char* Name;                  /* "wbforms40" */
    uint32_t RequiresCount;
    const char* const* Requires;       /* "Vclx40", "Vcl40" */
    uint32_t ContainsCount;
    const TWbContainedUnit* Contains;  /* the main unit (named like the package) first */
    uint32_t UnitCount;
    const TWbUnitEntry* Units;         /* in start order */
} TWbPackageInfoTable;

/* ---- The loader's entry points ---- */

/* Starts every unit in start order. A unit started twice without a stop in between does its
 * start work only once; only the last of its stops does its stop work. */
void Initialize(void);
/* Stops every unit in reverse start order. */
void Finalize(void);
const TWbPackageInfoTable* GetPackageInfoTable(void);

/* ---- The Register procedures: each puts its unit's one class on the palette ---- */

void WbMiscTools_Register(void); /* registers nothing */
void WbPage_Register(void);
void WbImageMap_Register(void);
void WbPanel_Register(void);
void WbText_Register(void);
void WbInputForm_Register(void);
void WbCheckBox_Register(void);
void WbTextInputField_Register(void);
void WbTextArea_Register(void);
void WbSubmitButton_Register(void);
void WbRadioButton_Register(void);
void WbListBox_Register(void);
void WbJavaApplet_Register(void);
void WbImage_Register(void);
void WbDropDownlist_Register(void);
void WbCGI_Register(void);

/* ---- The palette and its bitmaps ---- */

typedef struct TWbPaletteItem {
    const char* Page;       /* "WebSlate" */
    const char* ClassName;  /* "TWbPage" */
    const char* BitmapName; /* "TWBPAGE" */
} TWbPaletteItem;

/* The number of classes the Register procedures have put on the palette. */
uint32_t WbPackagePaletteCount(void);
/* Fills Item with the palette entry Index (in registration order) and returns 1; returns 0 and
 * leaves Item alone when there is no such entry. */
int WbPackagePaletteItem(uint32_t Index, TWbPaletteItem* Item);
/* The bitmap resource Name (compared without regard to case): a device-independent bitmap,
 * header, palette and pixels, without a file header. NULL, with *Size 0, when there is none. */
const uint8_t* WbPackageFindBitmap(const char* Name, size_t* Size);

/* ---- Run time ---- */

/* Loads the form file FormFile (its event handlers ignored) and renders the component named
 * Component, or the first page of the form when Component is NULL or empty. Returns 0 and the
 * HTML in *Text and *Length (the HTML may hold NUL bytes), or 1 and an error message naming the
 * place. */
int WbPackageRenderForm(const char* FormFile, const char* Component, const char** Text,
                        size_t* Length);
/* The internal image path (the directory server images are written to) and the external one
 * (the address prefix the browser fetches them by); both empty while the package is stopped. */
const char* WbPackageInternalImagePath(void);
const char* WbPackageExternalImagePath(void);

#ifdef __cplusplus
}
#endif

#endif /* WBFORMS_PACKAGE_EXPORTS_H */
