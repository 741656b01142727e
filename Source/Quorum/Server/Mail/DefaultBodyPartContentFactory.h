#pragma once

#include "Quorum/Server/Mail/BodyPartContentFactory.h"
#include "Quorum/Server/Mail/Export.h"

namespace Quorum::Server::Mail {

/// The content factory a body part is read with unless the reader gives
/// another: it chooses the content kind by the body part's "Content-Type".
///
/// A Contents::TextContent when its value begins with "text" (exact,
/// case-sensitive prefix), a Contents::MemoryContent otherwise. The
/// TextContent gets the value's "charset" parameter, read as internet mail
/// writes it (name in any case, value quoted or not, white space around ';'
/// and '='). Holds no state.
class QUORUM_MAIL_EXPORT DefaultBodyPartContentFactory : public BodyPartContentFactory {
 public:
  /// A factory; it holds no state, so copies and moves copy nothing.
  ///@{
  DefaultBodyPartContentFactory();
  DefaultBodyPartContentFactory(const DefaultBodyPartContentFactory& other);
  DefaultBodyPartContentFactory(DefaultBodyPartContentFactory&& other) noexcept;
  DefaultBodyPartContentFactory& operator=(const DefaultBodyPartContentFactory& other);
  DefaultBodyPartContentFactory& operator=(DefaultBodyPartContentFactory&& other) noexcept;
  ///@}
  ~DefaultBodyPartContentFactory() override;

  /// A TextContent or a MemoryContent as the class says. Never returns an
  /// empty reference; no header value makes it throw.
  Strata::Ref<BodyPartContent> Create(const Headers& headers) override;
};

}  // namespace Quorum::Server::Mail
