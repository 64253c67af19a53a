#include "firmware_files/PathShortener.h"

#include <cstring>

#include "common/FindLastChar.h"
#include "platform/sys/CodePage.h"

namespace {

// Copies the character at p to out; returns the character after it.
const char* CopyCharacter(const char* p, char* out, std::size_t& written)
{
    const char* next = CharNextA(p);
    while (p < next)
        out[written++] = *p++;
    return next;
}

}  // namespace

const char* ShortenPath(char* pszBuffer, const char* pszPath, unsigned nLimit, char chSeparator)
{
    if (*pszPath == '\0')
        return pszPath;

    const std::size_t length = std::strlen(pszPath);
    const std::size_t lastSeparator = static_cast<std::size_t>(FindLastChar(pszPath, chSeparator));
    if (length <= nLimit)
        return pszPath;

    std::size_t written = 0;
    const std::size_t nameLength = length - lastSeparator;  // the separator and the file name
    if (lastSeparator > 0 && nameLength + 3 <= nLimit) {
        // Keep the beginning and the whole file name. The file name is copied to its end even when a
        // two-byte character has pushed the beginning one byte over its share: the name is what the
        // operator checks, and it must never lose its last character.
        // A character longer than two bytes (UTF-8) that would push the beginning past that one byte
        // is left out, so the text never needs more than nLimit + 2 bytes.
        const std::size_t headLength = nLimit - nameLength - 3;
        const char* p = pszPath;
        while (written < headLength && written + static_cast<std::size_t>(CharNextA(p) - p) <= headLength + 1)
            p = CopyCharacter(p, pszBuffer, written);
        std::memcpy(pszBuffer + written, "...", 3);
        written += 3;
        std::memcpy(pszBuffer + written, pszPath + lastSeparator, nameLength);
        written += nameLength;
    } else {
        // Keep the end: skip whole characters until the rest fits together with "...".
        const std::size_t skip = length + 3 - nLimit;
        const char* p = pszPath;
        while (static_cast<std::size_t>(p - pszPath) < skip && *p != '\0')
            p = CharNextA(p);
        const std::size_t dots = nLimit < 3 ? nLimit : 3;
        std::memcpy(pszBuffer, "...", dots);
        written = dots;
        while (written < nLimit && *p != '\0')
            p = CopyCharacter(p, pszBuffer, written);
    }
    pszBuffer[written] = '\0';
    return pszBuffer;
}
