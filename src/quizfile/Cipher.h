#pragma once

// The line cipher of encrypted quiz files. orba and skrib must share these
// keys byte for byte, or neither could read the other's files.

#include <string>
#include <string_view>

namespace quizfile {

// Positions 1..193 are used; the "|" at 194 sends the position back to 1.
inline constexpr std::string_view kTextKey =
    "Gt6Vg7Qk0SgU2rJ2wC3bUd6Mr3Cg6Rah9Db7Cb8BwG6iN3yM7DbO7mR6aB2PkO0vL1iV7yC6wA2mX4dU3wT6wM4"
    "wX0fS0xS6rO3oO0mW4rP5vB9cF3yI4gH0kK9jX1jK5xB2uB8xL5uR1iS5dY7eN9wS6vL0qE9jX8dR2zP4yG1iG4"
    "wW4jV9xF3uA1tD3pFt2|";
inline constexpr char kTextKeyEnd = '|';

// Only skrib needs it: it hides the author's password inside the key line.
inline constexpr std::string_view kPasswordKey = "Zk5Rm2Wq8TbN4xV7cL1HsG9dJ3pF6YuE0aQ5iO8KtW2rM6zB4n";

// One step of either cipher. Codes 32..255 stay within 32..255, so an
// enciphered line never holds a line end; codes below 32 are not restored.
unsigned char encipherByte(unsigned char plain, unsigned char key);
unsigned char decipherByte(unsigned char enciphered, unsigned char key);

// The running text cipher: one object serves a whole file, because the key
// position carries on from line to line.
class TextCipher final {
public:
    // start is the position before the first character (0..31 in a key line).
    explicit TextCipher(int start);

    void encipher(std::string& line);
    void decipher(std::string& line);
    int position() const { return position_; }

private:
    unsigned char nextKey();

    int position_;
};

// The text cipher's start from a key line: the code of its 10th character
// AND 31. The caller checks that the line has at least 10 characters.
int textCipherStart(std::string_view keyLine);

// The password cipher starts at s (0..31) for every password; a password has
// at most 16 characters, so the key's 50 characters are never exhausted.
std::string encipherPassword(std::string_view password, int start);
std::string decipherPassword(std::string_view stored, int start);

} // namespace quizfile
