#pragma once

namespace varku {

// Der Ablauf beim Start: Hintergrund, Logo, Begrüßung, dann das Hauptfenster bis zum Ende.
int Main();

} // namespace varku
