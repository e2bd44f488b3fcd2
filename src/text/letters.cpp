#include "letters.h"

#include "platform/codepage.h"

#include <stdexcept>

const std::string& czletters(int row)
{
    static const std::string cp1250 = codepage::fromutf8("áÁäÄčČďĎéÉěĚíÍĺĹľĽňŇóÓôÔöÖŕŔřŘšŠťŤúÚůŮüÜýÝžŽ§");
    if (row != cp1250row)
        throw std::out_of_range("czletters: row " + std::to_string(row) + " is not carried");
    return cp1250;
}

bool iscapital(char c, int row)
{
    const auto code = static_cast<unsigned char>(c);
    if (code < 128)
        return code >= 'A' && code <= 'Z';
    const std::string& letters = czletters(row);
    const std::size_t at = letters.find(c);
    // Positions count from 1: the capitals of the pairs stand at the even ones.
    return at != std::string::npos && (at + 1) % 2 == 0;
}
