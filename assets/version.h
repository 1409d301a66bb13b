#pragma once
// The program's version and names, shared by the version resource and the window code.
#define ZELTA_VERSION_MAJOR 1
#define ZELTA_VERSION_MINOR 0
#define ZELTA_VERSION_PATCH 0
#define ZELTA_VERSION_BUILD 0
#define ZELTA_VERSION_TEXT "1.0.0.0"
#define ZELTA_PRODUCT_NAME "Vok Tarvex"
#define ZELTA_COMPANY_NAME "Vok CORP."
#define ZELTA_EXE_NAME "Zelta.exe"
#define ZELTA_COMPANION_EXE_NAME "Quillet.exe"
