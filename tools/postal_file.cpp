#include "tools/postal_file.h"

#include "common/cp949_text.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

QString lineError(int line, const QString& text) {
    return QStringLiteral("%1번째 줄: %2").arg(line).arg(text);
}

// Where each of the three fields stands in a row.
struct ColumnMap {
    int zip = -1;
    int addr = -1;
    int ddd = -1;
    int width = 0;  // fields in the header row
};

std::optional<ColumnMap> mapHeader(const QStringList& names, int line, QString* error) {
    ColumnMap map;
    map.width = static_cast<int>(names.size());
    const std::array<std::pair<QString, int*>, 3> wanted{{{QStringLiteral("ZIP"), &map.zip},
                                                          {QStringLiteral("ADDR"), &map.addr},
                                                          {QStringLiteral("DDD"), &map.ddd}}};
    for (int i = 0; i < names.size(); ++i) {
        for (const auto& [name, column] : wanted) {
            if (names[i].compare(name, Qt::CaseInsensitive) != 0) continue;
            if (*column >= 0) {
                setError(error,
                         lineError(line,
                                   QStringLiteral("머리글에 %1 항목이 두 번 있습니다.").arg(name)));
                return std::nullopt;
            }
            *column = i;
        }
    }
    for (const auto& [name, column] : wanted) {
        if (*column < 0) {
            setError(error,
                     lineError(line, QStringLiteral("머리글에 %1 항목이 없습니다. 첫 줄에 ZIP, "
                                                    "ADDR, DDD 항목 이름이 있어야 합니다.")
                                         .arg(name)));
            return std::nullopt;
        }
    }
    return map;
}

bool fitsField(const QString& value, int limit, const QString& title, int line, QString* error) {
    const int bytes = cp949ByteLength(value);
    if (limit <= 0 || bytes <= limit) return true;
    setError(error, lineError(line, QStringLiteral("%1 값이 %2바이트로, 최대 %3바이트를 넘습니다.")
                                        .arg(title)
                                        .arg(bytes)
                                        .arg(limit)));
    return false;
}

bool isBlank(const QStringList& fields) {
    for (const QString& field : fields) {
        if (!field.isEmpty()) return false;
    }
    return true;
}

// One line after another: the lines of one row each, the header first.
class PostalParser {
public:
    explicit PostalParser(const PostalFieldLimits& limits) : limits_(limits) {}

    // Takes the next line of the file; false, with `error`, on a fault.
    bool take(const QString& line, int lineNumber,
              const std::function<void(const PostalRow&)>& takeRow, QString* error);
    // After the last line: false when the file had no header or no rows.
    bool finish(QString* error) const;

private:
    bool takeHeader(const QString& line, int lineNumber, QString* error);

    PostalFieldLimits limits_;
    std::optional<ColumnMap> map_;
    QChar separator_;
    int rows_ = 0;
};

bool PostalParser::takeHeader(const QString& line, int lineNumber, QString* error) {
    if (line.trimmed().startsWith(QLatin1Char('#'))) return true;
    const std::optional<QChar> found = detectSeparator(line);
    if (!found) {
        setError(error, lineError(lineNumber, QStringLiteral("머리글 줄에 ZIP, ADDR, DDD 항목 "
                                                             "이름이 쉼표, 탭 또는 세미콜론으로 "
                                                             "나뉘어 있어야 합니다.")));
        return false;
    }
    QString fault;
    const std::optional<QStringList> names = splitFields(line, *found, &fault);
    if (!names) {
        setError(error, lineError(lineNumber, fault));
        return false;
    }
    map_ = mapHeader(*names, lineNumber, error);
    separator_ = *found;
    return map_.has_value();
}

bool PostalParser::take(const QString& line, int lineNumber,
                        const std::function<void(const PostalRow&)>& takeRow, QString* error) {
    if (line.trimmed().isEmpty()) return true;
    if (!map_) return takeHeader(line, lineNumber, error);
    QString fault;
    const std::optional<QStringList> fields = splitFields(line, separator_, &fault);
    if (!fields) {
        setError(error, lineError(lineNumber, fault));
        return false;
    }
    if (isBlank(*fields)) return true;
    if (fields->size() != map_->width) {
        setError(error,
                 lineError(lineNumber, QStringLiteral("항목이 %1개로, 머리글의 %2개와 다릅니다.")
                                           .arg(fields->size())
                                           .arg(map_->width)));
        return false;
    }
    const PostalRow row{fields->at(map_->zip), fields->at(map_->addr), fields->at(map_->ddd),
                        lineNumber};
    if (!fitsField(row.zip, limits_.zip, QStringLiteral("우편번호(ZIP)"), lineNumber, error) ||
        !fitsField(row.addr, limits_.addr, QStringLiteral("주소(ADDR)"), lineNumber, error) ||
        !fitsField(row.ddd, limits_.ddd, QStringLiteral("DDD"), lineNumber, error)) {
        return false;
    }
    takeRow(row);
    ++rows_;
    return true;
}

bool PostalParser::finish(QString* error) const {
    if (!map_) {
        setError(error,
                 QStringLiteral(
                     "머리글 줄이 없습니다. 첫 줄에 ZIP, ADDR, DDD 항목 이름이 있어야 합니다."));
        return false;
    }
    if (rows_ == 0) {
        setError(error, QStringLiteral("머리글 아래에 우편번호 자료가 없습니다."));
        return false;
    }
    return true;
}

// The lines of a device as bytes, one at a time, without their line breaks
// ("\n", "\r\n" or "\r"). Holds at most one chunk and one line.
class ByteLineReader {
public:
    enum class Status { Line, End, TooLong, ReadError };

    explicit ByteLineReader(QIODevice& device) : device_(device) {}

    Status next(QByteArray* line);
    // The number of the line last read (or found too long), from 1.
    int lineNumber() const { return lineNumber_; }

private:
    static constexpr qint64 kChunk = 64 * 1024;
    bool fill();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;      // start of the next line in buffer_
    qsizetype scanned_ = 0;  // bytes from pos_ on known to hold no line break
    bool atEnd_ = false;
    int lineNumber_ = 0;
};

ByteLineReader::Status ByteLineReader::next(QByteArray* line) {
    for (;;) {
        qsizetype breakAt = -1;
        for (qsizetype i = pos_ + scanned_; i < buffer_.size(); ++i) {
            if (buffer_[i] == '\n' || buffer_[i] == '\r') {
                breakAt = i;
                break;
            }
        }
        // A "\r" that ends the chunk may be the first half of "\r\n".
        const bool pendingPair =
            breakAt >= 0 && breakAt == buffer_.size() - 1 && buffer_[breakAt] == '\r';
        if (breakAt >= 0 && !(pendingPair && !atEnd_)) {
            ++lineNumber_;
            if (breakAt - pos_ > kPostalLineLimit) return Status::TooLong;
            *line = buffer_.mid(pos_, breakAt - pos_);
            pos_ = breakAt + 1;
            if (buffer_[breakAt] == '\r' && pos_ < buffer_.size() && buffer_[pos_] == '\n') ++pos_;
            scanned_ = 0;
            return Status::Line;
        }
        scanned_ = (breakAt >= 0 ? breakAt : buffer_.size()) - pos_;
        if (scanned_ > kPostalLineLimit) {
            ++lineNumber_;
            return Status::TooLong;
        }
        if (atEnd_) {
            if (pos_ >= buffer_.size()) return Status::End;
            ++lineNumber_;
            *line = buffer_.mid(pos_);
            pos_ = buffer_.size();
            return Status::Line;
        }
        if (!fill()) return Status::ReadError;
    }
}

bool ByteLineReader::fill() {
    buffer_.remove(0, pos_);
    pos_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + kChunk);
    const qint64 read = device_.read(buffer_.data() + kept, kChunk);
    buffer_.resize(kept + std::max<qint64>(read, 0));
    if (read < 0) return false;
    atEnd_ = read == 0;
    return true;
}

enum class TextEncoding { Utf8, Cp949 };

QString encodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("CP949");
}

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return static_cast<uchar>(c) < 0x80; });
}

std::optional<QString> decodeLine(const QByteArray& bytes, TextEncoding encoding) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    if (encoding == TextEncoding::Cp949) return fromCp949Strictly(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError()) return std::nullopt;
    return text;
}

QString undecodableLine(int line, TextEncoding encoding) {
    return lineError(line, QStringLiteral("%1(으)로 읽을 수 없는 바이트가 있습니다. 파일을 UTF-8 "
                                          "또는 CP949(완성형) 텍스트로 저장한 다음 다시 "
                                          "가져오십시오.")
                               .arg(encodingName(encoding)));
}

// Reads the lines of the device from its start, past a UTF-8 byte-order mark,
// and hands each to `take` with its number; refuses a UTF-16 file, a NUL byte
// and a line beyond the limit.
bool forEachLine(QIODevice& device, QString* error,
                 const std::function<bool(const QByteArray&, int)>& take) {
    if (!device.seek(0)) {
        setError(error,
                 QStringLiteral("파일을 처음부터 읽을 수 없습니다: ") + device.errorString());
        return false;
    }
    const QByteArray head = device.peek(2);
    const bool utf16 = head.size() == 2 && (head == "\xFF\xFE" || head == "\xFE\xFF" ||
                                            (head[0] == '\0') != (head[1] == '\0'));
    if (utf16) {
        setError(error, QStringLiteral("UTF-16으로 저장된 파일입니다. UTF-8 또는 CP949(완성형) "
                                       "텍스트로 저장한 다음 다시 가져오십시오."));
        return false;
    }
    if (device.peek(kUtf8Bom.size()) == kUtf8Bom) device.skip(kUtf8Bom.size());
    ByteLineReader reader(device);
    QByteArray line;
    for (;;) {
        switch (reader.next(&line)) {
            case ByteLineReader::Status::End:
                return true;
            case ByteLineReader::Status::ReadError:
                setError(error, QStringLiteral("파일을 읽을 수 없습니다: ") + device.errorString());
                return false;
            case ByteLineReader::Status::TooLong:
                setError(error, lineError(reader.lineNumber(),
                                          QStringLiteral("줄이 %1바이트보다 깁니다. 우편번호 "
                                                         "파일이 아닌 것 같습니다.")
                                              .arg(kPostalLineLimit)));
                return false;
            case ByteLineReader::Status::Line:
                break;
        }
        if (line.contains('\0')) {
            setError(error, lineError(reader.lineNumber(),
                                      QStringLiteral("NUL 문자(0 바이트)가 있습니다. 텍스트 "
                                                     "파일이 아닌 것 같습니다.")));
            return false;
        }
        if (!take(line, reader.lineNumber())) return false;
    }
}

// The encoding the whole file can be read in: UTF-8 when every line is
// UTF-8, else CP949 when every line is CP949. When neither reads the whole
// file, the one that reads further names the line at fault.
std::optional<TextEncoding> findEncoding(QIODevice& device, QString* error) {
    int utf8Fault = 0;
    int cp949Fault = 0;
    const bool read = forEachLine(device, error, [&](const QByteArray& line, int number) {
        if (!utf8Fault && !decodeLine(line, TextEncoding::Utf8)) utf8Fault = number;
        if (!cp949Fault && !decodeLine(line, TextEncoding::Cp949)) cp949Fault = number;
        return true;
    });
    if (!read) return std::nullopt;
    if (!utf8Fault) return TextEncoding::Utf8;
    if (!cp949Fault) return TextEncoding::Cp949;
    const bool utf8ReadsFurther = utf8Fault >= cp949Fault;
    setError(error, undecodableLine(utf8ReadsFurther ? utf8Fault : cp949Fault,
                                    utf8ReadsFurther ? TextEncoding::Utf8 : TextEncoding::Cp949));
    return std::nullopt;
}

}  // namespace

std::optional<QChar> detectSeparator(const QString& headerLine) {
    std::array<std::pair<QChar, int>, 3> counts{
        {{QLatin1Char('\t'), 0}, {QLatin1Char(';'), 0}, {QLatin1Char(','), 0}}};
    bool quoted = false;
    for (const QChar c : headerLine) {
        if (c == QLatin1Char('"')) quoted = !quoted;
        if (quoted) continue;
        for (auto& [separator, count] : counts) {
            if (c == separator) ++count;
        }
    }
    std::optional<QChar> best;
    int bestCount = 0;
    for (const auto& [separator, count] : counts) {
        if (count > bestCount) {
            best = separator;
            bestCount = count;
        }
    }
    return best;
}

std::optional<QStringList> splitFields(const QString& line, QChar separator, QString* fault) {
    QStringList fields;
    QString field;
    bool quoted = false;     // inside a quoted part
    bool wasQuoted = false;  // the field began with a quote (closed once `quoted` is false)
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == separator) {
            fields.append(wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else if (wasQuoted) {
            if (!c.isSpace()) {
                setError(fault, QStringLiteral("따옴표로 묶은 항목의 닫는 따옴표 뒤에 다른 글자가 "
                                               "있습니다. 항목 안의 따옴표는 두 번(\"\")씩 "
                                               "써야 합니다."));
                return std::nullopt;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = wasQuoted = true;
        } else {
            field += c;
        }
    }
    if (quoted) {
        setError(fault, QStringLiteral("따옴표가 닫히지 않았습니다."));
        return std::nullopt;
    }
    fields.append(wasQuoted ? field : field.trimmed());
    return fields;
}

std::optional<std::vector<PostalRow>> parsePostalText(const QString& text,
                                                      const PostalFieldLimits& limits,
                                                      QString* error) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalised.split(QLatin1Char('\n'));

    PostalParser parser(limits);
    std::vector<PostalRow> rows;
    const auto keep = [&rows](const PostalRow& row) { rows.push_back(row); };
    for (int index = 0; index < lines.size(); ++index) {
        if (!parser.take(lines[index], index + 1, keep, error)) return std::nullopt;
    }
    if (!parser.finish(error)) return std::nullopt;
    return rows;
}

bool readPostalFile(QIODevice& device, const PostalFieldLimits& limits,
                    const std::function<void(const PostalRow&)>& takeRow, QString* error) {
    const std::optional<TextEncoding> encoding = findEncoding(device, error);
    if (!encoding) return false;
    PostalParser parser(limits);
    const bool read = forEachLine(device, error, [&](const QByteArray& bytes, int number) {
        const std::optional<QString> line = decodeLine(bytes, *encoding);
        if (!line) {
            // The file changed since its encoding was found.
            setError(error, undecodableLine(number, *encoding));
            return false;
        }
        return parser.take(*line, number, takeRow, error);
    });
    return read && parser.finish(error);
}
