#pragma once
// The write check: whether the author may edit a screen's text in place right now.
#include <memory>

#include <QString>

namespace lumora {

class FileLock;

namespace memo {

// Passes when the content file exists and opens for writing, its folder takes new files
// (a save writes the new files beside the old ones and renames them over), and no other
// copy of the program has locked it. Then the file stays locked for as long as the
// returned lock lives: the window keeps it while the pane is in editing mode, so a
// second copy of the program cannot edit the same screen meanwhile. Returns nullptr
// when the check fails; nothing is changed either way. A content file that is a link
// out of its folder fails too (nothing is written through it).
//
// Why a check failed, so the author is told the reason: Busy when another copy of the
// program holds the file, else NotWritable.
enum class Refusal { None, Busy, NotWritable };
std::unique_ptr<FileLock> writeCheck(const QString &contentPath, Refusal *why = nullptr);
} // namespace memo
} // namespace lumora
