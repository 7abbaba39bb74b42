#pragma once
// What a dictionary needs of the translators that register with it. The
// dictionary does not own them: a translator unregisters itself, and cancels
// any FreeNotification, before it is destroyed.
namespace i18n {

class TIvDictionary;

class TIvTranslatorLink {
 public:
  virtual ~TIvTranslatorLink() = default;

  // The dictionary's language or locale changed (translate again).
  virtual void LanguageChanged(bool language_changed, bool locale_changed) = 0;

  // The dictionary closes: the translator unregisters itself (calling
  // UnregisterTranslator) and forgets what it translated.
  virtual void Close() = 0;

  // Sent to translators that asked with FreeNotification, while the
  // dictionary is being destroyed; it must not be used afterwards.
  virtual void DictionaryDestroyed(TIvDictionary& dictionary) = 0;
};

}  // namespace i18n
