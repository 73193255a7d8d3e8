// Writes the three typewriter sounds as 16-bit mono PCM WAVE files into the
// folder given: typebut.wav (a key click), typeenter.wav (a carriage return)
// and typeend.wav (the column bell). The noise comes from a fixed seed, so
// every build makes the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

class Noise {
 public:
  double Next() {
    state_ = state_ * 1103515245U + 12345U;
    return static_cast<double>((state_ >> 8) & 0xFFFF) / 32768.0 - 1.0;
  }

 private:
  std::uint32_t state_ = 1251;
};

using Samples = std::vector<double>;

// A struck key: a burst of noise over a short low thump, both dying fast.
void AddClick(Samples& out, double at, double loudness, Noise& noise) {
  const auto start = static_cast<std::size_t>(at * kRate);
  for (std::size_t i = 0; i < kRate / 25 && start + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[start + i] += loudness * (0.6 * noise.Next() * std::exp(-t / 0.004) +
                                  0.4 * std::sin(2 * kPi * 180 * t) * std::exp(-t / 0.012));
  }
}

Samples KeyClick(Noise& noise) {
  Samples out(kRate * 45 / 1000);
  AddClick(out, 0, 0.8, noise);
  return out;
}

// The carriage running back: a ratchet of quick clicks, then the stop.
Samples CarriageReturn(Noise& noise) {
  Samples out(kRate * 2 / 5);
  for (int tooth = 0; tooth < 10; ++tooth) AddClick(out, tooth * 0.024, 0.35 - tooth * 0.015, noise);
  AddClick(out, 0.27, 0.9, noise);
  return out;
}

Samples Bell() {
  Samples out(kRate * 7 / 10);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] = std::exp(-t / 0.22) * (0.5 * std::sin(2 * kPi * 2093 * t) + 0.2 * std::sin(2 * kPi * 4186 * t) +
                                    0.1 * std::sin(2 * kPi * 6279 * t));
  }
  return out;
}

void PutLittle(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool WriteWave(const std::string& path, const Samples& samples) {
  std::string data;
  for (double sample : samples) {
    const double clipped = std::fmax(-1.0, std::fmin(1.0, sample));
    PutLittle(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))), 2);
  }
  std::string bytes = "RIFF";
  PutLittle(bytes, static_cast<std::uint32_t>(36 + data.size()), 4);
  bytes += "WAVEfmt ";
  PutLittle(bytes, 16, 4);
  PutLittle(bytes, 1, 2);  // PCM
  PutLittle(bytes, 1, 2);  // mono
  PutLittle(bytes, kRate, 4);
  PutLittle(bytes, kRate * 2, 4);
  PutLittle(bytes, 2, 2);
  PutLittle(bytes, 16, 2);
  bytes += "data";
  PutLittle(bytes, static_cast<std::uint32_t>(data.size()), 4);
  bytes += data;
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s folder\n", argv[0]);
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  Noise noise;
  const bool written = WriteWave(folder + "typebut.wav", KeyClick(noise)) &&
                       WriteWave(folder + "typeenter.wav", CarriageReturn(noise)) &&
                       WriteWave(folder + "typeend.wav", Bell());
  if (!written) std::fprintf(stderr, "%s: cannot write the sounds into %s\n", argv[0], folder.c_str());
  return written ? 0 : 1;
}
