#include "engines.h"

#include "espeak.h"
#include "sapi4.h"
#include "sapi5.h"
#include "silent.h"
#include "speechd.h"

bool usespeechengines(const std::string& name)
{
    if (name == "espeak") {
        sapi4::registerclasses({[] { return espeakng::createenum(); }, &espeakng::createaudiodest});
        sapi5::registerclass(&speechd::createvoice);
    } else if (name == "speechd") {
        sapi4::registerclasses({&speechd::createenum, &speechd::createaudiodest});
        sapi5::registerclass(&speechd::createvoice);
    } else if (name == "none") {
        sapi4::registerclasses({&silent::createenum, &silent::createaudiodest});
        sapi5::registerclass(&silent::createvoice);
    } else {
        return false;
    }
    return true;
}
