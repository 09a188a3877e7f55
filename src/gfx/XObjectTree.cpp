#include "gfx/XObjectTree.h"

namespace {

// Real files nest a few dozen levels at most; this only stops a hostile file
// from exhausting the stack.
constexpr int kMaxDepth = 256;

class Parser {
 public:
  Parser(XTokenizer& tokens, const XSource& source) : tokens_(tokens), source_(source) {}

  std::vector<XObject> File() {
    std::vector<XObject> objects;
    for (XToken token = tokens_.Next(); token.kind != XTokenKind::End; token = tokens_.Next()) {
      switch (token.kind) {
        case XTokenKind::Template: SkipTemplate(); break;
        case XTokenKind::Name: objects.push_back(Object(token, 0)); break;
        case XTokenKind::Separator: break;  // stray separators between objects are harmless
        default: Unexpected(token);
      }
    }
    return objects;
  }

 private:
  [[noreturn]] void Unexpected(const XToken& token) const {
    if (token.kind == XTokenKind::End) source_.Fail(token.position, "unexpected end of file");
    source_.Fail(token.position, "unexpected " + Describe(token));
  }

  static std::string Describe(const XToken& token) {
    switch (token.kind) {
      case XTokenKind::Name: return "name '" + std::string(token.text) + "'";
      case XTokenKind::String: return "string";
      case XTokenKind::OpenBrace: return "'{'";
      case XTokenKind::CloseBrace: return "'}'";
      case XTokenKind::Template: return "template";
      case XTokenKind::Guid: return "guid";
      default: return "token";
    }
  }

  XToken Expect(XTokenKind kind) {
    XToken token = tokens_.Next();
    if (token.kind != kind) Unexpected(token);
    return token;
  }

  void SkipTemplate() {
    Expect(XTokenKind::Name);
    Expect(XTokenKind::OpenBrace);
    for (int depth = 1; depth > 0;) {
      XToken token = tokens_.Next();
      if (token.kind == XTokenKind::End) Unexpected(token);
      if (token.kind == XTokenKind::OpenBrace) ++depth;
      if (token.kind == XTokenKind::CloseBrace) --depth;
    }
  }

  // identifier [name] [<guid>] { body }
  XObject Object(const XToken& identifier, int depth) {
    if (depth >= kMaxDepth) source_.Fail(identifier.position, "objects nested too deeply");
    XObject object;
    object.type = identifier.text;
    object.position = identifier.position;
    XToken token = tokens_.Next();
    if (token.kind == XTokenKind::Name) {
      object.name = token.text;
      token = tokens_.Next();
    }
    if (token.kind == XTokenKind::Guid) token = tokens_.Next();
    if (token.kind != XTokenKind::OpenBrace) Unexpected(token);
    Body(object, depth);
    return object;
  }

  void Body(XObject& object, int depth) {
    for (;;) {
      XToken token = tokens_.Next();
      switch (token.kind) {
        case XTokenKind::Integer: Add(object, token.number, token.position, XValueKind::Integer); break;
        case XTokenKind::Float: Add(object, token.number, token.position, XValueKind::Float); break;
        case XTokenKind::IntegerList:
        case XTokenKind::FloatList: AddList(object, token); break;
        case XTokenKind::String:
          Add(object, static_cast<double>(object.strings.size()), token.position, XValueKind::String);
          object.strings.emplace_back(token.text);
          break;
        case XTokenKind::Separator: break;
        case XTokenKind::OpenBrace: object.children.push_back(Reference(token)); break;
        case XTokenKind::Name: object.children.push_back(Object(token, depth + 1)); break;
        case XTokenKind::CloseBrace: return;
        default: Unexpected(token);
      }
    }
  }

  // { name [<guid>] } or { <guid> }
  XObject Reference(const XToken& open) {
    XObject reference;
    reference.position = open.position;
    XToken token = tokens_.Next();
    if (token.kind == XTokenKind::Name) {
      reference.name = token.text;
      token = tokens_.Next();
    }
    if (token.kind == XTokenKind::Guid) token = tokens_.Next();
    if (token.kind != XTokenKind::CloseBrace) Unexpected(token);
    return reference;
  }

  static void Add(XObject& object, double number, uint32_t position, XValueKind kind) {
    object.values.push_back({number, position, kind});
  }

  static void AddList(XObject& object, const XToken& token) {
    XValueKind kind = token.kind == XTokenKind::IntegerList ? XValueKind::Integer : XValueKind::Float;
    size_t elementSize = kind == XValueKind::Integer ? 4 : token.floatSize;
    for (uint32_t i = 0; i < token.count; ++i) {
      auto position = static_cast<uint32_t>(token.position + 6 + i * elementSize);
      Add(object, ListElement(token, i), position, kind);
    }
  }

  XTokenizer& tokens_;
  const XSource& source_;
};

}  // namespace

std::vector<XObject> ParseXObjects(XTokenizer& tokens, const XSource& source) {
  return Parser(tokens, source).File();
}
