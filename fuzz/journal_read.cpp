// The transfer journal's reader under arbitrary bytes: a state whose records
// all belong to the program (line after line, coordinates that are numbers),
// or the station's error text, never a crash.
#include "controller/transferjournal.h"

#include <QTemporaryFile>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryFile* file = [] {
        auto* made = new QTemporaryFile;
        if (!made->open())
            std::abort();
        return made;
    }();
    file->resize(0);
    file->seek(0);
    file->write(reinterpret_cast<const char*>(data), qint64(size));
    file->flush();
    const Result<JournalState> state = ReadJournal(file->fileName());
    if (!state)
        return 0;
    if (state->lastAcknowledged < -1 || state->lastAcknowledged >= state->program.lines)
        std::abort();
    if (state->abortedAt && (*state->abortedAt < 0 || *state->abortedAt > state->program.lines))
        std::abort();
    return 0;
}
