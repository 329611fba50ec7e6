#pragma once

#include <QByteArray>
#include <array>

// The fields of the board's answer to "READ=", index 1 to 32 (index 0 is not used): 1..10 the row
// values, 11..13 event data, 14..32 the controller settings in the order of the settings line.
using Board_Field_Array = std::array<QByteArray, 33>;

enum class Answer_Grammar { Valid, Bad };

// Takes the fields of a read answer ("READ=" then fields of 1 to 6 characters "0"-"9", "-", ".", each
// followed by ",") into fields, from index 1 on, at most 32 of them; what follows the 32nd is not looked
// at. A field of 1 to 6 characters is taken and passed even when it holds a character that is not
// allowed; a longer or empty field is neither, so nothing after it is taken. Fields taken stay in fields
// whatever the outcome, the others keep what they held. Valid only when 32 fields were taken and none
// broke the grammar.
Answer_Grammar Parse_Read_Fields(const QByteArray& reply_line, Board_Field_Array& fields);

// Whether fields 14 to 32 can be applied as controller settings: each a decimal integer within the range
// that its setting takes.
bool Settings_Fields_Usable(const Board_Field_Array& fields);
