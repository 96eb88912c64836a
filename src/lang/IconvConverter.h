#pragma once
// A C library converter between two character sets, closed when it goes out of scope.

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>

namespace radioprog {

class IconvConverter {
  public:
    IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvConverter() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // iconv_open's failure value is (iconv_t)-1: the cast is the interface, not an address.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    struct Step {
        std::size_t consumed;
        std::size_t produced;
        int error;  // 0, EILSEQ, EINVAL or E2BIG
    };

    // Converts as much of in as fits into out, from the initial shift state.
    Step Convert(std::string_view in, char* out, std::size_t outSize) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());  // iconv's signature; it does not write
        std::size_t inLeft = in.size();
        char* outPtr = out;
        std::size_t outLeft = outSize;
        const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
        return {in.size() - inLeft, outSize - outLeft, error};
    }

  private:
    iconv_t cd_;
};

}  // namespace radioprog
