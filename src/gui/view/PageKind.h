// The program's pages and where a page goes.
#pragma once

namespace zavgui {

// The four pages of the View menu, the championship table, which is built
// from several sheets, and the arena network's card for the finish line.
enum class PageKind { Sheet, Staff, Equipment, Placement, Championship, JudgeCard };

// The window shows the team colours; the printer gets its own placement
// document (one game per page); an exported file names its logo alone.
enum class PageUse { Window, Printer, File };

}  // namespace zavgui
