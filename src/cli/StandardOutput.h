#pragma once
// Standard output for listings, written straight to descriptor 1. It keeps the reason the
// first write failed (a full disk, an output that is not writable): the C library's stream
// forgets it once its buffer has been thrown away, long before the program can report it.

#include <array>
#include <ostream>
#include <streambuf>

namespace radioprog::cli {

class StandardOutput final : public std::streambuf {
  public:
    // Takes the place of stream's buffer until destroyed.
    explicit StandardOutput(std::ostream& stream);
    ~StandardOutput() override;
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    // 0 while every write has succeeded, else the errno of the first that failed. After a
    // failure the rest of the output is dropped.
    int Error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool Drain();

    std::ostream& stream_;
    std::streambuf* previous_;
    std::array<char, 16384> buffer_{};
    int error_ = 0;
};

}  // namespace radioprog::cli
