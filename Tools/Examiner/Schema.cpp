#include "Schema.h"

namespace Quorum::Tools::Examiner {

namespace {

using Kind = Schema::Kind;

Schema Leaf(const char* name, Kind kind) { return Schema{name, kind, {}, nullptr, {}}; }
Schema Record(const char* name, std::vector<Field> fields) {
  return Schema{name, Kind::Record, std::move(fields), nullptr, {}};
}
Schema List(const char* name, const Schema& element, const char* elementLabel) {
  return Schema{name, Kind::List, {}, &element, elementLabel};
}

// The types, each built once and in dependency order.
struct Catalogue {
  Catalogue() = default;
  // Schemas point at each other, so the catalogue stays where it was built.
  Catalogue(const Catalogue&) = delete;
  Catalogue& operator=(const Catalogue&) = delete;

  Schema string = Leaf("string", Kind::String);
  Schema unsignedInt = Leaf("unsigned-int", Kind::UnsignedInt);
  Schema content = Leaf("content", Kind::Content);
  Schema header = Record("header", {{"name", "name", &string}, {"value", "value", &string}});
  Schema headers = List("headers", header, "header");
  Schema flags = List("flags", string, "flag");
  Schema bodyPart = Record("body-part", {{"name", "name", &string},
                                         {"headers", "headers", &headers},
                                         {"content", "content", &content}});
  Schema bodyParts = List("body-parts", bodyPart, "body part");
  Schema mail = Record("mail", {{"id", "id", &string},
                                {"headers", "headers", &headers},
                                {"bodyParts", "body parts", &bodyParts},
                                {"flags", "flags", &flags}});
  Schema mailboxId = Record("mailbox-id", {{"namespace", "namespace", &string},
                                           {"name", "name", &string},
                                           {"owner", "owner", &string}});
  Schema address = Record(
      "address", {{"mailboxId", "mailbox id", &mailboxId}, {"personal", "personal", &string}});
  Schema addressList = List("address-list", address, "address");
  Schema bodyPartNames = List("body-part-names", string, "body part name");
  Schema fetchPlan = Record("fetch-plan", {{"bodyParts", "body parts", &bodyPartNames},
                                           {"mailParts", "mail parts", &unsignedInt}});
  Schema sessionInfo = Record("session-info", {{"sessionId", "session id", &string},
                                               {"mailboxId", "mailbox id", &mailboxId},
                                               {"clientId", "client id", &string},
                                               {"ownerId", "owner id", &string}});
  Schema quota =
      Record("quota", {{"hard", "hard limit", &unsignedInt}, {"soft", "soft limit", &unsignedInt}});
  Schema usage = Record(
      "usage", {{"size", "mailbox size", &unsignedInt}, {"count", "mail count", &unsignedInt}});
  Schema access = Leaf("access", Kind::Short);
  Schema importance = Leaf("importance", Kind::Short);
  Schema disposition = Leaf("disposition", Kind::Short);
  Schema date = Leaf("date", Kind::Int);
  Schema mailId = Leaf("mail-id", Kind::String);
  Schema clientId = Leaf("client-id", Kind::String);
  Schema ownerId = Leaf("owner-id", Kind::String);
  Schema sessionId = Leaf("session-id", Kind::String);
  Schema mailboxName = Leaf("mailbox-name", Kind::String);
  Schema mailboxNamespace = Leaf("mailbox-namespace", Kind::String);

  std::vector<const Schema*> named{
      &mail,        &bodyPart,  &bodyParts, &headers, &flags,     &addressList, &fetchPlan,
      &sessionInfo, &mailboxId, &quota,     &usage,   &access,    &importance,  &disposition,
      &date,        &mailId,    &clientId,  &ownerId, &sessionId, &mailboxName, &mailboxNamespace};
};

const Catalogue& GetCatalogue() {
  static const Catalogue catalogue;
  return catalogue;
}

}  // namespace

std::uint64_t Schema::GetMinimumSize() const {
  switch (kind) {
    case Kind::Record: {
      std::uint64_t size = 0;
      for (const Field& field : fields) size += field.schema->GetMinimumSize();
      return size;
    }
    case Kind::List:
    case Kind::String:
    case Kind::UnsignedInt:
    case Kind::Int:
      return 4;
    case Kind::Short:
      return 2;
    case Kind::Content:
      return 1;
  }
  return 0;
}

bool Schema::IsNamedValue() const {
  return kind == Kind::Record && fields.size() == 2 && fields[0].key == "name" &&
         fields[1].key == "value";
}

const Schema* FindSchema(const std::string& name) {
  for (const Schema* schema : GetCatalogue().named) {
    if (schema->name == name) return schema;
  }
  return nullptr;
}

std::vector<std::string> GetSchemaNames() {
  std::vector<std::string> names;
  for (const Schema* schema : GetCatalogue().named) names.push_back(schema->name);
  return names;
}

}  // namespace Quorum::Tools::Examiner
