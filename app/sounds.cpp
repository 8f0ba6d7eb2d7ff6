// Playing the built-in sounds from memory, one at a time, without waiting for them.
#include "app/module1.h"
#include "resources/resources.h"
#include "runtime/app.h"

namespace quopa {

void TocaSom(int16_t id) {
    if (!rt::app().services().sound) return;
    rt::SoundOutput& saida = rt::app().sound();
    // The output may still be reading the bytes of the sound playing now: stop it before they
    // are released.
    saida.stop();
    SomDados.reset();
    SomDados = resources::sound(id);
    // On a system without an output device the sound is simply not heard; that is no error.
    saida.play(SomDados);
}

void ParaSom() {
    if (rt::app().services().sound) rt::app().sound().stop();
}

}  // namespace quopa
