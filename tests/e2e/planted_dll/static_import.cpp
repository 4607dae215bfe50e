// A program that imports UxTheme the ordinary way, as quornel.exe once did: the loader
// resolves the import before the program's first line, searching the program's folder first.
#include <windows.h>

#include <uxtheme.h>

int main() {
    return IsThemeActive() ? 0 : 1;
}
