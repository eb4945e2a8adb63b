#include "ui/HarpTune.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <vector>

namespace {
struct Note {
    double start;   // seconds
    double freq;    // Hz
    double gain;    // 0..1
};

// A C major arpeggio up, a turn at the top and a settling chord.
const Note Tune[] = {
    {0.00, 523.25, 0.55}, {0.12, 659.25, 0.55}, {0.24, 783.99, 0.55}, {0.36, 1046.50, 0.6},
    {0.54, 987.77, 0.45}, {0.66, 1046.50, 0.5}, {0.84, 783.99, 0.45}, {1.02, 523.25, 0.4},
    {1.02, 659.25, 0.35}, {1.02, 783.99, 0.35},
};
constexpr double Length = 2.2; // seconds, the last chord rings out

// One plucked string: a delay line of noise, averaged and damped every pass.
void pluck(std::vector<double>& out, const Note& note, quint32& seed) {
    const int period = std::max(2, int(std::lround(HarpTune::SampleRate / note.freq)));
    std::vector<double> line(period);
    for (double& s : line) {
        seed = seed * 1664525u + 1013904223u; // fixed LCG: the same tune every time
        s = ((seed >> 8) / double(1 << 24)) * 2.0 - 1.0;
    }
    const size_t begin = size_t(note.start * HarpTune::SampleRate);
    const double damping = 0.996;
    size_t idx = 0;
    for (size_t i = begin; i < out.size(); ++i) {
        const size_t next = (idx + 1) % line.size();
        const double sample = line[idx];
        line[idx] = damping * 0.5 * (line[idx] + line[next]);
        idx = next;
        out[i] += note.gain * sample;
    }
}

void putLe32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
void putLe16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}
} // namespace

namespace HarpTune {

QByteArray wave() {
    const size_t count = size_t(Length * SampleRate);
    std::vector<double> mix(count, 0.0);
    quint32 seed = 20240613u;
    for (const Note& n : Tune)
        pluck(mix, n, seed);

    // Soft fade at the end and normalisation to 70 % of full scale.
    const size_t fade = SampleRate / 4;
    for (size_t i = count - fade; i < count; ++i)
        mix[i] *= double(count - i) / fade;
    double peak = 0;
    for (double s : mix)
        peak = std::max(peak, std::abs(s));
    const double scale = peak > 0 ? 0.7 * 32767.0 / peak : 0;

    const quint32 dataBytes = quint32(count * 2);
    QByteArray b;
    b.reserve(44 + int(dataBytes));
    b.append("RIFF");
    putLe32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    putLe32(b, 16);             // fmt chunk size
    putLe16(b, 1);              // PCM
    putLe16(b, 1);              // mono
    putLe32(b, SampleRate);
    putLe32(b, SampleRate * 2); // bytes per second
    putLe16(b, 2);              // block align
    putLe16(b, 16);             // bits per sample
    b.append("data");
    putLe32(b, dataBytes);
    for (double s : mix)
        putLe16(b, quint16(qint16(std::lround(s * scale))));
    return b;
}

QString ensureIn(const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("harptune.wav"));
    if (QFileInfo::exists(path)) return path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(wave());
    return file.commit() ? path : QString();
}

} // namespace HarpTune
