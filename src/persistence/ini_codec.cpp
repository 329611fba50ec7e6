#include "persistence/ini_codec.h"

#include "core/decimal_text.h"

namespace {

const QByteArray kNewLineEnd = "\r\n";

bool Same_Name(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a.at(i);
        char y = b.at(i);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// The section name of a "[Name]" line (blanks around the brackets and the name allowed), or nullopt.
std::optional<QByteArray> Section_Of(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

// The key of a "Key=Value" line, or nullopt for any other line.
std::optional<QByteArray> Key_Of(const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || Section_Of(line))
        return std::nullopt;
    return line.left(equals).trimmed();
}

QByteArray Without_Line_Breaks(QByteArray text) {
    text.replace('\r', QByteArray());
    text.replace('\n', QByteArray());
    return text;
}

}  // namespace

Ini_Document Ini_Document::parse(const QByteArray& bytes) {
    Ini_Document document;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        const qsizetype end_length = c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n' ? 2 : 1;
        document.lines_.push_back({bytes.mid(start, i - start), bytes.mid(i, end_length)});
        i += end_length;
        start = i;
    }
    if (start < bytes.size())
        document.lines_.push_back({bytes.mid(start), QByteArray()});
    return document;
}

QByteArray Ini_Document::serialize() const {
    QByteArray bytes;
    for (const Line& line : lines_)
        bytes += line.text + line.end;
    return bytes;
}

qsizetype Ini_Document::findKey(const QByteArray& section, const QByteArray& key) const {
    bool inside = false;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines_.size()); ++i) {
        if (const std::optional<QByteArray> name = Section_Of(lines_[i].text)) {
            inside = Same_Name(*name, section);
            continue;
        }
        if (!inside)
            continue;
        const std::optional<QByteArray> line_key = Key_Of(lines_[i].text);
        if (line_key && Same_Name(*line_key, key))
            return i;
    }
    return -1;
}

std::optional<QByteArray> Ini_Document::text(const QByteArray& section, const QByteArray& key) const {
    const qsizetype i = findKey(section, key);
    if (i < 0)
        return std::nullopt;
    const QByteArray& line = lines_[i].text;
    return line.mid(line.indexOf('=') + 1).trimmed();
}

std::optional<int> Ini_Document::integer(const QByteArray& section, const QByteArray& key) const {
    const std::optional<QByteArray> value = text(section, key);
    return value ? Decimal_Int(*value) : std::nullopt;
}

std::optional<bool> Ini_Document::boolean(const QByteArray& section, const QByteArray& key) const {
    const std::optional<int> value = integer(section, key);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

void Ini_Document::eraseSection(const QByteArray& section) {
    std::vector<Line> kept;
    bool erasing = false;
    for (Line& line : lines_) {
        if (const std::optional<QByteArray> name = Section_Of(line.text))
            erasing = Same_Name(*name, section);
        if (!erasing)
            kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
}

void Ini_Document::setText(const QByteArray& section, const QByteArray& key, const QByteArray& value) {
    const QByteArray clean_key = Without_Line_Breaks(key);
    const QByteArray entry = clean_key + '=' + Without_Line_Breaks(value);

    const qsizetype found = findKey(section, clean_key);
    if (found >= 0) {
        lines_[found].text = entry;
        return;
    }

    // The new line goes after the last non-blank line of the section's first occurrence, so that the
    // blank lines that part it from the next section stay below it.
    qsizetype insert_at = -1;
    bool inside = false;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines_.size()); ++i) {
        if (const std::optional<QByteArray> name = Section_Of(lines_[i].text)) {
            if (insert_at >= 0)
                break;
            inside = Same_Name(*name, section);
            if (inside)
                insert_at = i + 1;
            continue;
        }
        if (inside && !lines_[i].text.trimmed().isEmpty())
            insert_at = i + 1;
    }

    // A last line without an end gets one before anything is put after it.
    const auto end_line_before = [this](qsizetype at) {
        if (at > 0 && lines_[at - 1].end.isEmpty())
            lines_[at - 1].end = kNewLineEnd;
    };
    if (insert_at >= 0) {
        end_line_before(insert_at);
        lines_.insert(lines_.begin() + insert_at, Line{entry, kNewLineEnd});
        return;
    }
    end_line_before(static_cast<qsizetype>(lines_.size()));
    lines_.push_back({'[' + Without_Line_Breaks(section) + ']', kNewLineEnd});
    lines_.push_back({entry, kNewLineEnd});
}

void Ini_Document::setInteger(const QByteArray& section, const QByteArray& key, int value) {
    setText(section, key, QByteArray::number(value));
}

void Ini_Document::setBoolean(const QByteArray& section, const QByteArray& key, bool value) {
    setText(section, key, value ? "1" : "0");
}
