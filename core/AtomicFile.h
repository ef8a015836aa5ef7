// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

// Writing a file so that it is either complete or not there: the content goes
// into a temporary file beside the target, which replaces the target only
// once everything was written. A failed write leaves an existing file as it
// was and no temporary file behind; a pipe or a device of that name is
// refused, never replaced.
namespace AtomicFile {

// Writes the file whose content fill puts into the device. fill returns ""
// or the reason it could not write everything. Returns "" on success,
// otherwise the reason.
QString write(const QString &fileName, const std::function<QString(QIODevice &)> &fill);

// Writes bytes to the device; "" or the reason (a write cut short by a full
// disk reports no error of its own, so that is told apart).
QString writeAll(QIODevice &device, QByteArrayView bytes);

} // namespace AtomicFile
