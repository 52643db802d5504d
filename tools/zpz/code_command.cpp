// zpz code and zpz decode: puzzle files to the one-line codes players share, and back.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "files/puzzle_code.h"
#include "files/puzzle_file.h"
#include "model/game_state.h"
#include "zpz.h"

namespace {

const char kCodeHelp[] =
    "usage: zpz code FILE...\n"
    "\n"
    "Prints the puzzle code of each puzzle FILE, one line per file.\n"
    "An invalid file is reported on stderr as\n"
    "  zpz code: FILE: invalid: REASON\n"
    "Exit status: 0 all valid, 1 some invalid, 2 usage error or missing file.\n";

const char kDecodeHelp[] =
    "usage: zpz decode CODE --out FILE\n"
    "\n"
    "Writes the puzzle of a puzzle code to FILE. A code that is not a puzzle's is reported\n"
    "on stderr with the message the game shows, and nothing is written.\n"
    "Exit status: 0 written, 1 a bad code or FILE cannot be written, 2 usage error.\n";

} // namespace

int RunCode(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kCodeHelp, stdout);
        return kExitOk;
    }
    if (args.empty()) {
        std::fputs(kCodeHelp, stderr);
        return kExitUsage;
    }
    for (const std::string& a : args)
        if (a.starts_with("-")) {
            std::fprintf(stderr, "zpz code: unknown option '%s'\n\n%s", a.c_str(), kCodeHelp);
            return kExitUsage;
        }
    GameState gs;
    InitGameState(gs);
    int status = kExitOk;
    for (const std::string& file : args) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            std::fprintf(stderr, "zpz code: %s: no such file\n", file.c_str());
            status = kExitUsage;
            continue;
        }
        PuzzleImage image;
        std::string reason;
        if (ReadPuzzleFile(file, false, Orientations().catalogue, image, &reason)) {
            std::printf("%s\n", PuzzleCode(image.width, image.height, image.cells).c_str());
        } else {
            std::fprintf(stderr, "zpz code: %s: invalid: %s\n", file.c_str(), reason.c_str());
            if (status == kExitOk) status = kExitFailed;
        }
    }
    return status;
}

int RunDecode(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kDecodeHelp, stdout);
        return kExitOk;
    }
    std::string code, out;
    bool hasCode = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size() && out.empty()) {
            out = args[++i];
        } else if (!hasCode && !args[i].starts_with("--")) {
            code = args[i];
            hasCode = true;
        } else {
            std::fprintf(stderr, "zpz decode: bad argument '%s'\n\n%s", args[i].c_str(),
                         kDecodeHelp);
            return kExitUsage;
        }
    }
    if (!hasCode || out.empty()) {
        std::fputs(kDecodeHelp, stderr);
        return kExitUsage;
    }
    const DecodedPuzzle puzzle = ReadPuzzleCode(code);
    if (puzzle.fault != CodeFault::None) {
        std::fprintf(stderr, "zpz decode: %s\n", CodeFaultText(puzzle.fault).c_str());
        return kExitFailed;
    }
    std::ofstream file(out, std::ios::binary);
    file << WritePuzzleText(puzzle.width, puzzle.height, puzzle.cells);
    if (!file.flush()) {
        std::fprintf(stderr, "zpz decode: cannot write %s\n", out.c_str());
        return kExitFailed;
    }
    return kExitOk;
}
