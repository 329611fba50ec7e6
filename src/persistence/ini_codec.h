#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

// A Windows INI file held as its lines, byte for byte: "[Section]" lines open a section, "Key=Value" lines
// are its settings. Section and key names match without regard to letter case (ASCII letters). Reading
// and writing keep every line that is not changed exactly as it was, its line end included; lines that
// are written new end with CR LF.
class Ini_Document {
  public:
    // Never fails: any bytes make a document, and serialize() gives them back unchanged.
    static Ini_Document parse(const QByteArray& bytes);
    QByteArray serialize() const;

    // The value of the first line of the key in a section of that name: the text after "=" up to the end
    // of the line, without surrounding blanks. nullopt when there is no such line.
    std::optional<QByteArray> text(const QByteArray& section, const QByteArray& key) const;
    // The value as a decimal integer (optional "-", digits only); nullopt when missing or of another form.
    std::optional<int> integer(const QByteArray& section, const QByteArray& key) const;
    // The value as an integer, 0 false and any other true; nullopt when missing or not an integer.
    std::optional<bool> boolean(const QByteArray& section, const QByteArray& key) const;

    // Removes every section of that name with all its lines.
    void eraseSection(const QByteArray& section);
    // Overwrites the key's first line in place when present; otherwise adds the line after the last
    // setting of the section's first occurrence, or adds the section at the end of the file. CR and LF
    // in key or value are dropped, so a value can never break into a second line.
    void setText(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    void setInteger(const QByteArray& section, const QByteArray& key, int value);
    void setBoolean(const QByteArray& section, const QByteArray& key, bool value);  // "1" or "0"

  private:
    struct Line {
        QByteArray text;  // without its line end
        QByteArray end;   // "\r\n", "\n", "\r", or empty for a last line without an end
    };

    // The index of the key's first line in a section of that name, or -1.
    qsizetype findKey(const QByteArray& section, const QByteArray& key) const;

    std::vector<Line> lines_;
};
