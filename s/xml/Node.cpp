#include "s/xml/Node.h"

#include "s/col/_array/ArrayU08.h"
#include "s/io/File.h"
#include "s/str/Ascii.h"
#include "s/str/Utf8.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <cstring>
#include <new>

namespace s::xml {

using s::str::Utf8;
using s::str::strbuffer::StrBuffer;

namespace {

bool isSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

const char16_t* skipSpace(const char16_t* p) {
    while (isSpace(*p)) {
        ++p;
    }
    return p;
}

bool endsName(char16_t unit) {
    return unit == 0 || unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' ||
           unit == u'/' || unit == u'>';
}

std::size_t lengthOf(const char16_t* text) {
    std::size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

// Position after the next occurrence of the three units a, b, c, or the
// terminating zero. Each unit is looked at only after the one before it
// matched, so the zero is never passed.
const char16_t* skipPast(const char16_t* p, char16_t a, char16_t b, char16_t c) {
    for (; *p != 0; ++p) {
        if (p[0] == a && p[1] == b && p[2] == c) {
            return p + 3;
        }
    }
    return p;
}

const char16_t* skipPast(const char16_t* p, char16_t a, char16_t b) {
    for (; *p != 0; ++p) {
        if (p[0] == a && p[1] == b) {
            return p + 2;
        }
    }
    return p;
}

// Reads a start tag (or a comment) into node, from the next '<' on:
//  1. skip to '<', then whitespace;
//  2. the name: "!" and the two units after it, or the run up to whitespace,
//     '/' or '>';
//  3. a comment is skipped to "-->" and ends there;
//  4. attributes name="value" up to '>' or '/' (an attribute whose closing
//     quote is missing ends the text);
//  5. the rest up to '>', where a '/' makes the element empty.
// `open` tells whether content and children follow.
const char16_t* readStartTag(Node& node, const char16_t* p, bool& open) {
    open = false;
    while (*p != 0 && *p != u'<') {
        ++p;
    }
    if (*p == 0) {
        return p;
    }
    p = skipSpace(p + 1);
    if (*p == u'!') {
        std::int32_t n = 1;
        while (n < 3 && p[n] != 0) {
            ++n;
        }
        node.setName(p, n);
        return skipPast(p + n, u'-', u'-', u'>');
    }
    const char16_t* name = p;
    while (!endsName(*p)) {
        ++p;
    }
    node.setName(name, static_cast<std::int32_t>(p - name));
    Attributes& attributes = node.attributes();
    for (;;) {
        if (*p == 0 || *p == u'>' || *p == u'/') {
            break;
        }
        p = skipSpace(p);
        if (*p == 0 || *p == u'>' || *p == u'/') {
            break;
        }
        const char16_t* attributeName = p;
        while (*p != 0 && *p != u'=' && *p != u' ') {
            ++p;
        }
        const char16_t* attributeNameEnd = p;
        while (*p != 0 && *p != u'"') {
            ++p;
        }
        if (*p == 0) {
            return p;
        }
        const char16_t* value = ++p;
        while (*p != 0 && *p != u'"') {
            ++p;
        }
        if (*p == 0) {
            return p;
        }
        // A nameless attribute would pose as the element's content.
        if (attributeNameEnd > attributeName) {
            attributes.add(attributeName,
                           static_cast<std::int32_t>(attributeNameEnd - attributeName), value,
                           static_cast<std::int32_t>(p - value));
        }
        ++p;
    }
    bool empty = false;
    while (*p != 0 && *p != u'>') {
        empty = empty || *p == u'/';
        ++p;
    }
    if (*p == 0) {
        return p;
    }
    open = !empty;
    return p + 1;
}

bool hasContent(const Attributes& attributes) {
    for (std::uint32_t i = 0; i < attributes.count(); ++i) {
        if (attributes.at(i)->nameLength == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

Node::~Node() {
    reset();
}

void Node::reset() {
    // Flatten the subtree first, emptying every child list, so that giving the
    // nodes back never recurses however deep the tree is.
    std::vector<Node*> pending;
    pending.swap(children);
    for (std::size_t i = 0; i < pending.size(); ++i) {
        Node* node = pending[i];
        pending.insert(pending.end(), node->children.begin(), node->children.end());
        node->children.clear();
    }
    for (Node* node : pending) {
        node->release();
    }
    attributeList.clear();
    freeName();
}

void Node::freeName() {
    if (name != shortName) {
        delete[] name;
    }
    name = nullptr;
    nameUnits = 0;
}

// ---- tree --------------------------------------------------------------------

Node* Node::addChild(const char16_t* childName, std::int32_t n) {
    Node* child = newInstance();
    if (child == nullptr) {
        return nullptr;
    }
    child->setName(childName, n);
    children.push_back(child);
    return child;
}

void Node::appendChild(Node* node) {
    if (node != nullptr && node != this) {
        children.push_back(node);
    }
}

bool Node::removeChild(std::uint32_t index) {
    if (index >= children.size()) {
        return false;
    }
    Node* child = children[index];
    children.erase(children.begin() + index);
    child->release();
    return true;
}

bool Node::findChild(const char16_t* childName, std::uint32_t& index, std::int32_t n) const {
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i]->nameEquals(childName, n)) {
            index = static_cast<std::uint32_t>(i);
            return true;
        }
    }
    return false;
}

Node* Node::getChild(const char16_t* childName, std::int32_t n) const {
    std::uint32_t index = 0;
    return findChild(childName, index, n) ? children[index] : nullptr;
}

void Node::walk(const char16_t* prefix, Visitor visitor, void* context) const {
    if (visitor == nullptr) {
        return;
    }
    std::vector<char16_t> indent;
    if (prefix != nullptr) {
        indent.assign(prefix, prefix + lengthOf(prefix));
    }
    std::size_t base = indent.size();
    // Depth-first with an explicit stack of (node, next child).
    std::vector<std::pair<const Node*, std::size_t>> stack;
    stack.emplace_back(this, 0);
    indent.push_back(0);
    visitor(*this, indent.data(), context);
    indent.pop_back();
    while (!stack.empty()) {
        auto& top = stack.back();
        if (top.second == top.first->children.size()) {
            stack.pop_back();
            continue;
        }
        const Node* child = top.first->children[top.second++];
        // The prefix and one tab per level; only the end changes from one
        // element to the next.
        indent.resize(base + stack.size(), u'\t');
        indent.push_back(0);
        visitor(*child, indent.data(), context);
        indent.pop_back();
        stack.emplace_back(child, 0);
    }
}

// ---- name ----------------------------------------------------------------------

void Node::setName(const char16_t* text, std::int32_t n) {
    freeName();
    if (text == nullptr) {
        return;
    }
    std::size_t length = n < 0 ? lengthOf(text) : static_cast<std::size_t>(n);
    name = length < kShortName ? shortName : new (std::nothrow) char16_t[length + 1];
    if (name == nullptr) {
        return;
    }
    if (length > 0) {
        std::memcpy(name, text, length * sizeof(char16_t));
    }
    name[length] = 0;
    nameUnits = static_cast<std::uint32_t>(length);
}

bool Node::nameEquals(const char16_t* text, std::int32_t n) const {
    if (text == nullptr) {
        return false;
    }
    const char16_t* ownName = name != nullptr ? name : u"";
    if (n < 0) {
        std::uint32_t i = 0;
        for (; i < nameUnits; ++i) {
            if (text[i] == 0 ||
                s::str::Ascii::toLower(text[i]) != s::str::Ascii::toLower(ownName[i])) {
                return false;
            }
        }
        return text[i] == 0;
    }
    if (static_cast<std::uint32_t>(n) != nameUnits) {
        return false;
    }
    for (std::int32_t i = 0; i < n; ++i) {
        if (text[i] == 0 || text[i] != ownName[i]) {
            return false;
        }
    }
    return true;
}

// ---- reading ---------------------------------------------------------------------

const char16_t* Node::parse(const char16_t* text) {
    reset();
    if (text == nullptr) {
        return nullptr;
    }
    const char16_t* p = text;
    // The prolog: comments, declarations and definitions before the root.
    for (;;) {
        while (*p != 0 && *p != u'<') {
            ++p;
        }
        if (*p == 0) {
            return p;
        }
        const char16_t* q = skipSpace(p + 1);
        if (*q == u'?') {
            p = skipPast(q, u'?', u'>');
        } else if (*q == u'!' && q[1] == u'-' && q[2] == u'-') {
            p = skipPast(q + 3, u'-', u'-', u'>');
        } else if (*q == u'!') {
            while (*q != 0 && *q != u'>') {
                ++q;
            }
            p = *q == 0 ? q : q + 1;
        } else {
            break;
        }
    }
    bool open = false;
    p = readStartTag(*this, p, open);
    if (!open) {
        return p;
    }
    // Elements whose content is being read, innermost last; null stands for
    // an element too deep to keep, read over into `dropped`.
    std::vector<Node*> stack;
    stack.push_back(this);
    s::thread::PoolRef<Node> dropped;
    while (!stack.empty()) {
        Node* node = stack.back();
        p = skipSpace(p);
        if (*p != u'<') {
            const char16_t* content = p;
            while (*p != 0 && *p != u'<') {
                ++p;
            }
            // Only the first content record is ever read or written.
            if (node != nullptr && p > content && !hasContent(node->attributeList)) {
                node->attributeList.add(u"", 0, content, static_cast<std::int32_t>(p - content));
            }
            if (*p == 0) {
                return p;
            }
        }
        if (p[1] == u'/') {
            // The end tag; its name is not compared with the element's.
            while (*p != 0 && *p != u'>') {
                ++p;
            }
            if (*p == 0) {
                return p;
            }
            ++p;
            stack.pop_back();
            continue;
        }
        bool drop = node == nullptr || stack.size() >= kMaxDepth;
        Node* child = nullptr;
        if (drop) {
            if (!dropped) {
                dropped = s::thread::PoolRef<Node>::take();
            }
            child = dropped.get();
        } else {
            child = newInstance();
        }
        if (child == nullptr) {
            return p + lengthOf(p); // out of memory: the rest is lost
        }
        p = readStartTag(*child, p, open);
        if (drop) {
            child->reset();
            if (open) {
                stack.push_back(nullptr);
            }
            continue;
        }
        if (child->isComment()) {
            child->release();
            continue;
        }
        node->children.push_back(child);
        if (open) {
            stack.push_back(child);
        }
    }
    return p;
}

void Node::parseUtf8(const std::uint8_t* bytes, std::size_t count) {
    if (bytes == nullptr || count == 0) {
        reset();
        return;
    }
    auto text = s::thread::PoolRef<StrBuffer>::take();
    if (!text || count >= 0xFFFFFFFFu) {
        reset();
        return;
    }
    text->reserve(static_cast<std::uint32_t>(Utf8::maxUnits(count)));
    if (text->data() == nullptr) {
        reset();
        return;
    }
    std::size_t units = Utf8::decode(bytes, count, text->data());
    text->setLength(static_cast<std::uint32_t>(units));
    parse(text->c_str());
}

void Node::parseUtf8(const ArrayU08* bytes) {
    if (bytes == nullptr) {
        reset();
        return;
    }
    parseUtf8(bytes->data(), bytes->count());
}

// ---- writing ---------------------------------------------------------------------

std::size_t Node::textLength() const {
    std::size_t length = 0;
    std::vector<const Node*> pending{this};
    while (!pending.empty()) {
        const Node* node = pending.back();
        pending.pop_back();
        length += 2 * node->nameUnits + 5; // "<" name ">" ... "</" name ">"
        bool content = false;
        for (std::uint32_t i = 0; i < node->attributeList.count(); ++i) {
            const Attributes::Record* record = node->attributeList.at(i);
            if (record->nameLength > 0) {
                length += record->nameLength + record->valueLength + 4; // ' ' n '="' v '"'
            } else if (!content) {
                length += record->valueLength;
                content = true;
            }
        }
        pending.insert(pending.end(), node->children.begin(), node->children.end());
    }
    return length;
}

namespace {
char16_t* put(char16_t* out, const char16_t* text, std::size_t count) {
    if (count > 0) {
        std::memcpy(out, text, count * sizeof(char16_t));
    }
    return out + count;
}
} // namespace

char16_t* Node::writeText(char16_t* out) const {
    // Depth-first with an explicit stack of (node, next child): the open tag
    // and content when a node is entered, the close tag when it is left.
    std::vector<std::pair<const Node*, std::size_t>> stack;
    const Node* entering = this;
    for (;;) {
        if (entering != nullptr) {
            const Node& node = *entering;
            *out++ = u'<';
            out = put(out, node.name, node.nameUnits);
            const Attributes::Record* content = nullptr;
            for (std::uint32_t i = 0; i < node.attributeList.count(); ++i) {
                const Attributes::Record* record = node.attributeList.at(i);
                if (record->nameLength == 0) {
                    if (content == nullptr) {
                        content = record;
                    }
                    continue;
                }
                *out++ = u' ';
                out = put(out, record->name, record->nameLength);
                *out++ = u'=';
                *out++ = u'"';
                out = put(out, record->value, record->valueLength);
                *out++ = u'"';
            }
            *out++ = u'>';
            if (content != nullptr) {
                out = put(out, content->value, content->valueLength);
            }
            stack.emplace_back(entering, 0);
            entering = nullptr;
        }
        if (stack.empty()) {
            break;
        }
        auto& top = stack.back();
        if (top.second < top.first->children.size()) {
            entering = top.first->children[top.second++];
            continue;
        }
        *out++ = u'<';
        *out++ = u'/';
        out = put(out, top.first->name, top.first->nameUnits);
        *out++ = u'>';
        stack.pop_back();
        if (stack.empty()) {
            break;
        }
    }
    return out;
}

StrBuffer* Node::toText(StrBuffer* dest, bool append) const {
    if (dest == nullptr) {
        dest = StrBuffer::newInstance();
        if (dest == nullptr) {
            return nullptr;
        }
    }
    if (!append) {
        dest->clear();
    }
    std::size_t start = dest->length();
    std::size_t total = start + textLength();
    if (total >= 0xFFFFFFFFu) {
        return dest;
    }
    dest->reserve(static_cast<std::uint32_t>(total));
    if (dest->capacity() < total) {
        return dest; // out of memory
    }
    char16_t* end = writeText(dest->data() + start);
    dest->setLength(static_cast<std::uint32_t>(end - dest->data()));
    return dest;
}

void Node::toUtf8Bytes(std::vector<std::uint8_t>& bytes) const {
    std::vector<char16_t> text(textLength());
    char16_t* end = writeText(text.data());
    bytes.resize(Utf8::maxBytes(static_cast<std::size_t>(end - text.data())));
    bytes.resize(
        Utf8::encode(text.data(), static_cast<std::size_t>(end - text.data()), bytes.data()));
}

Node::ArrayU08* Node::toUtf8(ArrayU08* dest, bool append) const {
    if (dest == nullptr) {
        dest = ArrayU08::newInstance();
        if (dest == nullptr) {
            return nullptr;
        }
    }
    if (!append) {
        dest->clear();
    }
    std::vector<char16_t> text(textLength());
    std::size_t units = static_cast<std::size_t>(writeText(text.data()) - text.data());
    std::size_t start = dest->count();
    std::size_t room = start + Utf8::maxBytes(units);
    if (room >= 0xFFFFFFFFu || !dest->setCount(static_cast<std::uint32_t>(room))) {
        dest->setCount(static_cast<std::uint32_t>(start));
        return dest;
    }
    std::size_t written = Utf8::encode(text.data(), units, dest->data() + start);
    dest->setCount(static_cast<std::uint32_t>(start + written));
    return dest;
}

bool Node::load(const char16_t* path) {
    std::vector<std::uint8_t> bytes;
    if (!s::io::File::readAll(path, bytes)) {
        reset();
        return false;
    }
    parseUtf8(bytes.data(), bytes.size());
    return true;
}

bool Node::load(const s::io::File& file) {
    return load(file.getPath());
}

bool Node::save(const char16_t* path) const {
    std::vector<std::uint8_t> bytes;
    toUtf8Bytes(bytes);
    return s::io::File::writeAllReplacing(path, bytes.data(), bytes.size());
}

bool Node::save(const s::io::File& file) const {
    return save(file.getPath());
}

} // namespace s::xml
