#pragma once

// The grid's file formats: one unit per format in this folder, each behind
// the small reader/writer interface below, working only through the grid's
// public services (SaveCellText, LoadCellText, the save range, the counts,
// ExportNotification / ImportNotification, OnFileProgress).
//
// How a format plugs in:
//  1. A unit io/<format>.h/.cpp declares a writer (TGridFormatWriter: the
//     whole file's bytes for the grid) and/or a reader (TGridFormatReader:
//     the file's bytes into the grid), with the format's options as plain
//     members set before the call.
//  2. The writer walks the save range with TSaveRange and reports through
//     TExportRun (start / next-row / done, and OnFileProgress only when the
//     percentage changes); the reader reports through TImportRun and writes
//     cells with LoadCellText only (grid_export.h).
//  3. The grid's Save/Load member function (io/ex_string_grid_files.cpp)
//     builds the writer or reader and calls SaveFormatToFile /
//     LoadFormatFromFile: every file the grid writes goes through the one
//     atomic writer, and a file is read whole before the grid changes.
//  4. Errors are EExGridError with the format's message; a reader checks
//     sizes it reads before it changes the grid.
//  5. Every reader has a fuzz target (fuzz/targets/) with a corpus.

#include <optional>

#include <QByteArray>
#include <QString>

namespace grid {
class TExStringGrid;
}

namespace grid::io {

class TGridFormatWriter {
public:
    virtual ~TGridFormatWriter() = default;
    // The file's bytes for the grid. `existing` holds the bytes of the file
    // being appended to (nothing when writing a new file).
    virtual QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) = 0;
};

class TGridFormatReader {
public:
    virtual ~TGridFormatReader() = default;
    // Reads a file's bytes into the grid. `fileName` is for messages only.
    virtual void Read(TExStringGrid& grid, const QByteArray& bytes, const QString& fileName) = 0;
};

// Writes the writer's bytes to `fileName` through the atomic writer; raises
// EExGridError "Cannot Create file <name>" when it cannot be written. With
// `append`, an existing file is read first and given to the writer; a file
// that exists but cannot be read raises "Cannot read file <name>" and stays
// as it was.
void SaveFormatToFile(TGridFormatWriter& writer, TExStringGrid& grid, const QString& fileName, bool append = false);

// Reads `fileName` whole and hands it to the reader; raises EExGridError
// `missingMessage` (default "File <name> not found") when it cannot be
// opened.
void LoadFormatFromFile(TGridFormatReader& reader, TExStringGrid& grid, const QString& fileName,
                        const QString& missingMessage = QString());

// The file's bytes; nothing when it does not exist. Raises EExGridError
// "Cannot read file <name>" when it exists but cannot be read.
std::optional<QByteArray> ReadExistingFile(const QString& fileName);
// The file's bytes, or EExGridError `missingMessage` when it cannot be read.
QByteArray ReadWholeFile(const QString& fileName, const QString& missingMessage);
// Through the atomic writer; EExGridError "Cannot Create file <name>" on failure.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);

}  // namespace grid::io
