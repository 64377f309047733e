// Text offsets used by the set operations only.
#pragma once

namespace zav::settxt {
constexpr int kCategory = 332;
constexpr int kDeleteSetWarning = 334;
constexpr int kChooseTargetFolder = 335;
constexpr int kSameFolder = 336;
constexpr int kSetCopied = 337;
constexpr int kSetMoved = 338;
constexpr int kSetDeleted = 340;
constexpr int kSetExists = 341;
constexpr int kFilesNotDeleted = 344;
// The grouping given on the command line names an unknown category, one
// already on an earlier sheet, or leaves one on no sheet.
constexpr int kNoSuchCategory = 345;
constexpr int kCategoryAlreadyGrouped = 346;
constexpr int kCategoryOnNoSheet = 347;
}  // namespace zav::settxt
