#pragma once

namespace varku {

// Die Abschnitte [Varku] und [TextToSpeech] der Konfigurationsdatei im Programmordner
void loadVarkuIni();
void saveVarkuIni();
void loadTextToSpeechIni();
void saveTextToSpeechIni();

} // namespace varku
