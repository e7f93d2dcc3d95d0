#pragma once
// The delete page's counters: three to delete (folders, files, bytes) and six
// results (deleted, not existing, other reasons, for folders and for files).
// Doubles, as the page shows them through the framework's FloatToStr.

struct DeleteCounters {
    double Vol07FoldersToDelete = 0;
    double Vol07FilesToDelete = 0;
    double Vol07BytesToDelete = 0;
    double Vol07FoldersDeleted = 0;
    double Vol07FilesDeleted = 0;
    double Vol07FoldersNotExists = 0;
    double Vol07FilesNotExists = 0;
    double Vol07FoldersOtherReasons = 0;
    double Vol07FilesOtherReasons = 0;

    void ResetToDelete() { Vol07FoldersToDelete = Vol07FilesToDelete = Vol07BytesToDelete = 0; }
    void ResetResults() {
        Vol07FoldersDeleted = Vol07FilesDeleted = 0;
        Vol07FoldersNotExists = Vol07FilesNotExists = 0;
        Vol07FoldersOtherReasons = Vol07FilesOtherReasons = 0;
    }
};
