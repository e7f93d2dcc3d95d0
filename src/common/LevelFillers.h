#pragma once
// Fill the level tables of the level summary window and of the subfolder
// list builder from a finished scan: one row per depth below the scanned
// folder, with the number of folders at that depth, and the scan's totals.
// The controls are handed in, so this layer needs none of the windows.

class FolderTreeScanner;
class QLabel;
class QTreeWidget;

namespace ui {
class Form;
}

// The level summary window's controls.
struct LevelSummaryTargets {
    QTreeWidget* levels = nullptr; // columns "Level Number", "Number of Subfolders"
    QLabel* folderName = nullptr;
    QLabel* folderSum = nullptr;
    QLabel* fileSum = nullptr;
    QLabel* fileSize = nullptr;
    ui::Form* window = nullptr; // shown modally once filled
};

// The subfolder list builder's level table and totals.
struct BuilderLevelTargets {
    QTreeWidget* levels = nullptr;
    QLabel* subFolders = nullptr;
    QLabel* files = nullptr;
    QLabel* fileSize = nullptr;
};

// After Run: the scan's totals of every file, then the window is shown.
void FillLevelSummary(const FolderTreeScanner& scanner, const LevelSummaryTargets& targets);
// After RunWithPatterns: the totals of the files that matched the patterns.
void FillLevelSummaryMatched(const FolderTreeScanner& scanner, const LevelSummaryTargets& targets);
// After Run: fills the builder's table and totals; shows nothing.
void FillBuilderLevelTable(const FolderTreeScanner& scanner, const BuilderLevelTargets& targets);
