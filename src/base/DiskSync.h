#pragma once

class QFileDevice;

// Puts what was written to an open file on the disk itself before it
// returns, past the system's own cache: after a crash or a power cut the
// bytes are there or the call said false.
namespace DiskSync {

bool flush(QFileDevice &file);

} // namespace DiskSync
