#pragma once

#include <QByteArray>
#include <QString>

// "harptune.wav", the default alarm: a short rising and falling harp figure,
// synthesised here (plucked strings by the Karplus-Strong method), so the
// program ships no recorded sound.
namespace HarpTune {

constexpr int SampleRate = 22050;

// The whole WAV file: RIFF header, 16-bit mono PCM at SampleRate. The same
// bytes on every call.
QByteArray wave();

// Writes wave() as "harptune.wav" into folder unless a file of that name is
// there already. Returns the file's path, or empty when it could not be written.
QString ensureIn(const QString& folder);

} // namespace HarpTune
