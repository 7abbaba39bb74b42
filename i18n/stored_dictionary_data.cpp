#include "i18n/stored_dictionary_data.h"

#include "i18n/dictionary_errors.h"
#include "i18n/form_stream_error.h"

namespace i18n {

namespace {

class ReadingVisitor {
 public:
  explicit ReadingVisitor(FormStreamReader& reader) : reader_(reader) {}
  void Integer(int& value) { value = reader_.ReadInteger(); }
  void Text(std::string& value) { value = reader_.ReadString(); }
  void Character(std::string& value) { value = reader_.ReadString(); }
  void Boolean(bool& value) { value = reader_.ReadBoolean(); }
  void SubLanguages(std::vector<int>& value) { value = ParseSubLanguages(reader_.ReadString()); }

 private:
  FormStreamReader& reader_;
};

class WritingVisitor {
 public:
  explicit WritingVisitor(FormStreamWriter& writer) : writer_(writer) {}
  void Integer(int& value) { writer_.WriteInteger(value); }
  void Text(std::string& value) { writer_.WriteString(value); }
  void Character(std::string& value) { writer_.WriteString(value); }
  void Boolean(bool& value) { writer_.WriteBoolean(value); }
  void SubLanguages(std::vector<int>& value) { writer_.WriteString(FormatSubLanguages(value)); }

 private:
  FormStreamWriter& writer_;
};

int ReadVersion(FormStreamReader& reader, const char* kind) {
  const int version = reader.ReadInteger();
  if (version > kStoredDataVersion) {
    throw EIvError(std::string("Unknown ") + kind + " data version: " + std::to_string(version));
  }
  return version;
}

int ReadCount(FormStreamReader& reader) {
  const int count = reader.ReadInteger();
  if (count < 0) throw FormStreamError("Stored record count is negative: " + std::to_string(count));
  return count;
}

// The kinds of context a row set carries: class and component, component
// only, class only, or none.
bool CarriesClass(int context_kind) { return context_kind == 1 || context_kind == 3; }
bool CarriesComponent(int context_kind) { return context_kind == 1 || context_kind == 2; }

}  // namespace

StoredHeader ReadLanguagesHeader(FormStreamReader& reader) {
  reader.ReadListBegin();
  StoredHeader header;
  header.version = ReadVersion(reader, "language");
  header.count = ReadCount(reader);
  return header;
}

StoredHeader ReadTranslationsHeader(FormStreamReader& reader) {
  reader.ReadListBegin();
  StoredHeader header;
  header.version = ReadVersion(reader, "translation");
  header.context_kind = header.version >= 2 ? reader.ReadInteger() : 0;
  if (header.context_kind < 0 || header.context_kind > 3) {
    throw EIvError("Unknown translation context kind: " + std::to_string(header.context_kind));
  }
  header.count = ReadCount(reader);
  return header;
}

StoredHeader ReadLocalesHeader(FormStreamReader& reader) {
  reader.ReadListBegin();
  StoredHeader header;
  header.version = ReadVersion(reader, "locale");
  header.count = ReadCount(reader);
  return header;
}

void ReadLanguageRecord(FormStreamReader& reader, int version, TIvLanguage& language) {
  ReadingVisitor visit(reader);
  reader.ReadListBegin();
  VisitStoredFields(language, version, visit);
  reader.ReadListEnd();
}

StoredTranslationRow ReadTranslationRow(FormStreamReader& reader, int context_kind,
                                        int language_texts) {
  StoredTranslationRow row;
  reader.ReadListBegin();
  row.NativeText = reader.ReadString();
  if (CarriesClass(context_kind)) row.ContextClass = reader.ReadString();
  if (CarriesComponent(context_kind)) row.ContextComponent = reader.ReadString();
  for (int i = 0; i < language_texts; ++i) row.Texts.push_back(reader.ReadString());
  reader.ReadListEnd();
  return row;
}

void ReadLocaleRecord(FormStreamReader& reader, int version, TIvLocale& record) {
  ReadingVisitor visit(reader);
  reader.ReadListBegin();
  VisitStoredFields(record, version, visit);
  reader.ReadListEnd();
}

int CountLanguages(FormStreamReader& reader) {
  const StoredHeader header = ReadLanguagesHeader(reader);
  TIvLanguage language;
  for (int i = 0; i < header.count; ++i) ReadLanguageRecord(reader, header.version, language);
  reader.ReadListEnd();
  return header.count;
}

int CountTranslations(FormStreamReader& reader, int language_count) {
  const StoredHeader header = ReadTranslationsHeader(reader);
  for (int i = 0; i < header.count; ++i) {
    ReadTranslationRow(reader, header.context_kind, LanguageTextCount(language_count));
  }
  reader.ReadListEnd();
  return header.count;
}

int CountLocales(FormStreamReader& reader) {
  const StoredHeader header = ReadLocalesHeader(reader);
  TIvLocale record;
  for (int i = 0; i < header.count; ++i) ReadLocaleRecord(reader, header.version, record);
  reader.ReadListEnd();
  return header.count;
}

void WriteLanguages(FormStreamWriter& writer, std::vector<TIvLanguage> languages, int version) {
  WritingVisitor visit(writer);
  writer.WriteListBegin();
  writer.WriteInteger(version);
  writer.WriteInteger(int(languages.size()));
  for (TIvLanguage& language : languages) {
    writer.WriteListBegin();
    VisitStoredFields(language, version, visit);
    writer.WriteEnd();
  }
  writer.WriteEnd();
}

void WriteTranslations(FormStreamWriter& writer, const std::vector<StoredTranslationRow>& rows,
                       int context_kind, int version) {
  writer.WriteListBegin();
  writer.WriteInteger(version);
  if (version >= 2) writer.WriteInteger(context_kind);
  writer.WriteInteger(int(rows.size()));
  for (const StoredTranslationRow& row : rows) {
    writer.WriteListBegin();
    writer.WriteString(row.NativeText);
    if (CarriesClass(context_kind)) writer.WriteString(row.ContextClass);
    if (CarriesComponent(context_kind)) writer.WriteString(row.ContextComponent);
    for (const std::string& text : row.Texts) writer.WriteString(text);
    writer.WriteEnd();
  }
  writer.WriteEnd();
}

void WriteLocales(FormStreamWriter& writer, std::vector<TIvLocale> records, int version) {
  WritingVisitor visit(writer);
  writer.WriteListBegin();
  writer.WriteInteger(version);
  writer.WriteInteger(int(records.size()));
  for (TIvLocale& record : records) {
    writer.WriteListBegin();
    VisitStoredFields(record, version, visit);
    writer.WriteEnd();
  }
  writer.WriteEnd();
}

}  // namespace i18n
