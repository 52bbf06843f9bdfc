#pragma once

namespace varku {

// Fenster, die bis zum Programmende leben, müssen vor der Anwendung abgebaut werden.
// Jedes meldet beim Anlegen, wie es entladen wird; main entlädt alle zum Schluss.
void merkeFenster(void (*entlade)());
void entladeAlleFenster();

} // namespace varku
