#pragma once
// The localisable captions of the message dialogs: window, button and Details captions.

namespace dialogs {

// Installs the caption translation of the user's language when the program carries one.
// The captions' own texts are the Chinese ones, so without a translation they still show.
void InstallCaptionTranslations();

}  // namespace dialogs
