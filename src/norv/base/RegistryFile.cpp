// The registry's XML file: one subtree written as text and read back.
#include "norv/base/Registry.h"

#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"
#include "norv/vfs/Vfs.h"

#include <cstdio>

namespace Norv {

namespace {

// By type code.
char const* const kTypeWords[] = {"bool", "int", "float", "string"};

void AddIndent(NarrowString& text, int count)
{
    text.append(static_cast<size_t>(count), '\t');
}

// Names and strings may hold any byte; these would end the text or the
// attribute early, and a carriage return would come back as a line feed.
NarrowString Escape(NarrowString const& text)
{
    NarrowString escaped;
    for (char const c : text) {
        switch (c) {
        case '<': escaped += "&lt;"; break;
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        case '\r': escaped += "&#13;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// "%f" of a float: six decimals and as many digits as the value needs.
NarrowString FormatFloat(float value)
{
    double const widened = value;
    int const length = std::snprintf(nullptr, 0, "%f", widened);
    NarrowString text(static_cast<size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%f", widened);
    return text;
}

// The value text of a key as its type code says; false when the key holds
// no value of that type.
bool FormatValue(RegistryKey const& key, NarrowString& text)
{
    Any const data = key.GetData();
    if (bool const* b = data.Cast<bool>(); b && key.GetType() == RegistryKey::TypeBool)
        text = *b ? "true" : "false";
    else if (int const* i = data.Cast<int>(); i && key.GetType() == RegistryKey::TypeInt)
        text = std::to_string(*i);
    else if (float const* f = data.Cast<float>(); f && key.GetType() == RegistryKey::TypeFloat)
        text = FormatFloat(*f);
    else if (NarrowString const* s = data.Cast<NarrowString>(); s && key.GetType() == RegistryKey::TypeString)
        text = Escape(*s);
    else
        return false;
    return true;
}

template <class T>
void SetFromContent(XmlIt const& element, RegistryKey& key)
{
    T value;
    if (element.GetContent(value))
        key.Set(value);
}

// Hands a key element's text to the key as its type word says. An unknown
// word or text that does not convert sets nothing.
void ReadValue(XmlIt const& element, NarrowString const& type, RegistryKey& key)
{
    if (type == "bool")
        SetFromContent<bool>(element, key);
    else if (type == "int")
        SetFromContent<int>(element, key);
    else if (type == "float")
        SetFromContent<float>(element, key);
    else if (type == "string")
        SetFromContent<NarrowString>(element, key);
}

// Names read from a file become path components, so they may not hold '/'.
bool IsComponentName(NarrowString const& name)
{
    return name.find('/') == NarrowString::npos;
}

} // namespace

NarrowString Registry::Save(NarrowString const& path)
{
    RegistryNode* node = GetNode(path, false, false);
    if (!node)
        return {};
    NarrowString text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<registry>\n";
    FillChild(node, text, path, 1);
    text += "</registry>\n";
    return text;
}

bool Registry::Save(NarrowString const& fileName, NarrowString const& path)
{
    NarrowString const text = Save(path);
    return !text.empty() && VfsReplaceFile(fileName.c_str(), text.data(), static_cast<int>(text.size()));
}

void Registry::FillChild(RegistryNode* node, NarrowString& text, NarrowString const& name, int depth)
{
    AddIndent(text, depth);
    text += "<node name=\"" + Escape(name) + "\">\n";
    for (auto const& [keyName, key] : node->keys) {
        NarrowString value;
        if (!FormatValue(*key, value))
            continue;
        AddIndent(text, depth + 1);
        text += "<key name=\"" + Escape(keyName) + "\" type=\"" + kTypeWords[key->GetType()] + "\">" + value
            + "</key>\n";
    }
    for (auto const& [childName, child] : node->children)
        FillChild(child.get(), text, childName, depth + 1);
    AddIndent(text, depth);
    text += "</node>\n";
}

bool Registry::Load(NarrowString const& fileName, bool fireCallbacks, NarrowString const& path)
{
    SmartPtr<Xml> document = Xml::LoadFromFile(fileName.c_str());
    return document && LoadCommon(XmlIt(document->GetTree()), fireCallbacks, path);
}

bool Registry::LoadFromString(NarrowString const& text, bool fireCallbacks, NarrowString const& path)
{
    SmartPtr<Xml> document = Xml::Create(text);
    return document && LoadCommon(XmlIt(document->GetTree()), fireCallbacks, path);
}

bool Registry::LoadCommon(XmlIt const& root, bool fireCallbacks, NarrowString const& path)
{
    if (!root || NarrowString(root.GetName()) != "registry")
        return false;
    XmlIt const element(root, "node");
    NarrowString target = path;
    if (!element || (target.empty() && !element.GetAttribute("name", target)))
        return false;
    RegistryNode* node = GetNode(target, false, true);
    if (!node)
        return false;
    LoadNode(node, element, target, fireCallbacks, 0);
    return true;
}

void Registry::LoadNode(RegistryNode* node, XmlIt const& element, NarrowString const& path, bool fireCallbacks,
                        int depth)
{
    for (XmlIt keyElement(element, "key"); keyElement; ++keyElement) {
        NarrowString name, type;
        if (!keyElement.GetAttribute("name", name) || !keyElement.GetAttribute("type", type) || name.empty()
            || !IsComponentName(name))
            continue;
        std::unique_ptr<RegistryKey>& key = node->keys[name];
        if (!key)
            key = std::make_unique<RegistryKey>();
        ReadValue(keyElement, type, *key);
        if (fireCallbacks)
            CheckCallback(path + "/" + name, key.get());
    }
    if (depth + 1 >= kMaxPathDepth) {
        std::fprintf(stderr, "Registry: nodes nested deeper than %d are not read\n", kMaxPathDepth);
        return;
    }
    for (XmlIt childElement(element, "node"); childElement; ++childElement) {
        NarrowString name;
        if (!childElement.GetAttribute("name", name) || !IsComponentName(name))
            continue;
        RegistryNode* child = node->GetChild(name, true);
        LoadNode(child, childElement, fireCallbacks ? path + "/" + name : NarrowString(), fireCallbacks, depth + 1);
    }
}

} // namespace Norv
