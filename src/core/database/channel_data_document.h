#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/common/diagnostics.h"
#include "core/common/result.h"
#include "core/database/blob_shape.h"
#include "core/database/channel_data_buffer.h"
#include "core/database/channel_data_file.h"
#include "core/database/receiver_database.h"

namespace dorvane {

// One channel-data file as the program holds it: its path, the buffer with
// its bytes (which an upload also fills) and the database unpacked from it.
// Whether the database holds changes not yet saved is the editor session's
// to know (its edit history). The window owns one and
// hands it to the editor and the upload; the command line makes its own.
//
// The database is a plain value: copying it (database() = snapshot) takes or
// restores a complete state.
class ChannelDataDocument {
public:
    ChannelDataDocument();

    // Reads the file into the buffer and makes it the document's path. On a
    // failure the document keeps what it held.
    Status read(const std::filesystem::path& path);
    // Fills the database from the buffer, starting from empty tables; a
    // refused blob fails as unpackStatus says. On a failure the database
    // is unchanged.
    Status unpack();
    // read() and unpack().
    Status open(const std::filesystem::path& path);

    const std::filesystem::path& path() const { return path_; }
    void setPath(const std::filesystem::path& path) { path_ = path; }
    ChannelDataBuffer& buffer() { return *buffer_; }
    const ChannelDataBuffer& buffer() const { return *buffer_; }
    ReceiverDatabase& database() { return *database_; }
    const ReceiverDatabase& database() const { return *database_; }

    // What the last unpack found that packing would not write back. Any
    // reason makes the document read-only: saving would lose those bytes.
    const BlobLosses& losses() const { return losses_; }
    std::vector<std::string> readOnlyReasons() const { return losses_.unwritable(); }
    bool isReadOnly() const { return !losses_.unwritable().empty(); }
    // After an import replaced the whole database with data that is complete.
    void clearLosses() { losses_ = {}; }
    // Back to what an earlier state knew (the editor's undo).
    void setLosses(BlobLosses losses) { losses_ = std::move(losses); }

    // Packs the database and replaces the file at path(), keeping the
    // previous file as NAME.bak. Refuses a read-only document with its
    // reasons (Error::ReadOnly).
    Status save();
    // The same to another file (which becomes the document's path).
    Status saveAs(const std::filesystem::path& path);

    // Where the diagnostic lines of unpacking and packing go; dropped until
    // one is set.
    void setDiagnostics(DiagnosticSink sink) { diagnostics_ = std::move(sink); }

private:
    std::filesystem::path path_;
    std::unique_ptr<ChannelDataBuffer> buffer_;
    std::unique_ptr<ReceiverDatabase> database_;
    BlobLosses losses_;
    DiagnosticSink diagnostics_;
};

// "the reason; the other reason" for showing a read-only document's reasons.
std::string joinReasons(const std::vector<std::string>& reasons);

}  // namespace dorvane
