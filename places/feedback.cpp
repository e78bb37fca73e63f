#include "places/feedback.h"

namespace orvanto {

void PlayBeep(Sound& sound, BeepKind beep) {
    switch (beep) {
    case BeepKind::None:
        break;
    case BeepKind::Simple:
        sound.Beep();
        break;
    case BeepKind::Exclamation:
        sound.PlayEvent("SystemExclamation");
        break;
    case BeepKind::Information:
        sound.PlayEvent("SystemAsterisk");
        break;
    }
}

}  // namespace orvanto
