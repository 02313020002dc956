#include "legacy/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
const size_t kFailed = static_cast<size_t>(-1);

// One conversion to UTF-8, closed when it goes out of scope.
class ToUtf8 {
public:
    explicit ToUtf8(const QByteArray& from) : cd_(iconv_open("UTF-8", from.constData())) {}
    ~ToUtf8() {
        if (valid()) iconv_close(cd_);
    }
    ToUtf8(const ToUtf8&) = delete;
    ToUtf8& operator=(const ToUtf8&) = delete;

    bool valid() const { return cd_ != kNoConverter; }
    iconv_t handle() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<QByteArray> paradoxCodePage(int dosCodePage) {
    const QByteArray name =
        dosCodePage == 0 ? QByteArray("CP949") : "CP" + QByteArray::number(dosCodePage);
    if (!ToUtf8(name).valid()) return std::nullopt;
    return name;
}

std::optional<QString> decodeStrictly(const QByteArray& bytes, const QByteArray& codePage) {
    if (bytes.isEmpty()) return QString();
    const ToUtf8 converter(codePage);
    if (!converter.valid()) return std::nullopt;
    // UTF-8 takes at most three bytes for a character of a two-byte page.
    std::vector<char> output(static_cast<size_t>(bytes.size()) * 3 + 4);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* out = output.data();
    size_t outLeft = output.size();
    if (iconv(converter.handle(), &in, &inLeft, &out, &outLeft) == kFailed || inLeft != 0)
        return std::nullopt;
    // A character cut at the end of the input is only noticed on flushing.
    if (iconv(converter.handle(), nullptr, nullptr, &out, &outLeft) == kFailed) return std::nullopt;
    return QString::fromUtf8(output.data(), static_cast<qsizetype>(out - output.data()));
}
