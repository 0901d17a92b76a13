// mkscanitems DESCRIPTION OUTPUT.tsv
// Writes the rows of the layout table "ScanItem" (tab-separated, a header line first) from the
// answer-sheet description, the same description the printed sheet is drawn from.
#include "entry/SheetLayout.h"
#include "shell/FileIo.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkscanitems DESCRIPTION OUTPUT.tsv\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "mkscanitems: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string tsv;
    try {
        tsv = ScanItemRowsTsv(ScanItemRows(ParseSheetLayout(text.str())));
    } catch (const SheetLayoutError& e) {
        std::fprintf(stderr, "mkscanitems: %s: %s\n", argv[1], e.what());
        return 1;
    }
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out.parent_path());
    if (FileError err = WriteFileAtomically(out.string(), tsv); !err.ok()) {
        std::fprintf(stderr, "mkscanitems: cannot write %s: %s\n", out.c_str(), err.description.c_str());
        return 1;
    }
    return 0;
}
