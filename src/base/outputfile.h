#pragma once

#include <QFileDevice>
#include <QString>

#include <memory>

class QSaveFile;

// Where a save goes, decided by what is at the name now (symbolic links
// followed).
enum class OutputKind {
    NewOrRegular, // nothing there yet, or a regular file: replaced whole
    Stream,       // a character device (/dev/null, a terminal) or a FIFO: written into
    Refused,      // a directory, a socket, a block device: never written
};

// The kind of `fileName` and, for a refused one, the reason in the station's
// words ("It is a directory, not a file.").
struct OutputTarget {
    OutputKind kind = OutputKind::NewOrRegular;
    QString refusal;
};
OutputTarget ClassifyOutput(const QString& fileName);

// A file every save of the station writes through. A regular file (or a new
// name) is written through QSaveFile, so it is replaced only once the whole
// text has been written and a failed save leaves the old file whole; a
// character device or a FIFO is written straight into, so that it stays what
// it is; anything else is refused when opening.
//   OutputFile file(name);
//   if (!file.open() || !file.write(bytes) || !file.commit())
//       return Failure{cannotCreate(name, file.errorString())};
class OutputFile {
public:
    explicit OutputFile(const QString& fileName);
    ~OutputFile(); // a save not committed is given up
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool open();
    // The device to write through (valid after open() succeeded), for
    // writers that take a QIODevice.
    QFileDevice& device() { return *device_; }
    // Writes all of `bytes`; false when the device took less.
    bool write(QByteArrayView bytes);
    // Finishes the save: renames the new file over the old one, or flushes
    // and closes the stream. False when that failed.
    bool commit();
    // Gives the save up: a regular file keeps its old contents.
    void cancel();

    OutputKind kind() const { return kind_; }
    // The reason of the last failure, in the system's or the station's words.
    QString errorString() const { return error_; }

private:
    bool fail();

    QString fileName_;
    OutputKind kind_ = OutputKind::NewOrRegular;
    std::unique_ptr<QFileDevice> device_;
    QSaveFile* save_ = nullptr; // device_, when it is a save file
    QString error_;
    bool finished_ = false;
};
