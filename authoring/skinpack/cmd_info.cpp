// zuno-skinpack info IN.skn: loads a package the way the program does (definition,
// every bitmap, derived values) and prints the resulting skin data as one JSON
// object, keys in the order the data objects declare their fields. Skin checks
// compare this output, so its shape is fixed (see README.md).
#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "Subcommands.h"
#include "skin/data/SkinData.h"

namespace zuno::skinpack {
namespace {

// CRC-32 (IEEE 802.3, reflected, as zlib computes it).
class Crc32 {
public:
    Crc32() {
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table_[i] = c;
        }
    }
    void Add(std::uint8_t byte) { crc_ = table_[(crc_ ^ byte) & 0xFF] ^ (crc_ >> 8); }
    std::uint32_t Value() const { return crc_ ^ 0xFFFFFFFFu; }

private:
    std::array<std::uint32_t, 256> table_{};
    std::uint32_t crc_ = 0xFFFFFFFFu;
};

// Pixels as top-down rows of B, G, R bytes, without padding.
std::uint32_t PixelCrc(const SkinBitmap& bitmap) {
    Crc32 crc;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const Pixel32* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            crc.Add(PixelBlue(row[x]));
            crc.Add(PixelGreen(row[x]));
            crc.Add(PixelRed(row[x]));
        }
    }
    return crc.Value();
}

// Definition texts are ANSI bytes of no fixed code page: ASCII is written as it is,
// every other byte as \u00XX, so the output is plain ASCII and loses nothing.
std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// Writes an indented JSON document; one member per line, two spaces per level.
class JsonWriter {
public:
    void Open(std::string_view key, char bracket) {
        Key(key);
        out_ += bracket;
        first_ = true;
        ++depth_;
    }
    void Close(char bracket) {
        --depth_;
        if (!first_) {
            out_ += '\n';
            Indent();
        }
        out_ += bracket;
        first_ = false;
    }
    void Raw(std::string_view key, std::string_view value) {
        Key(key);
        out_ += value;
    }
    void Int(std::string_view key, std::int64_t value) { Raw(key, std::to_string(value)); }
    void Colour(std::string_view key, TColor value) {
        Int(key, static_cast<std::uint32_t>(value));  // system colours as 2147483648 + n
    }
    void Bitmap(std::string_view key, const SkinBitmap& bitmap) {
        if (bitmap.Empty()) return Raw(key, "null");
        std::string triple = "[";
        triple.append(std::to_string(bitmap.Width())).append(", ");
        triple.append(std::to_string(bitmap.Height())).append(", ");
        triple.append(std::to_string(PixelCrc(bitmap))).append("]");
        Raw(key, triple);
    }
    std::string Text() const { return out_ + '\n'; }

private:
    // An empty key writes an array element.
    void Key(std::string_view key) {
        if (!first_) out_ += ',';
        if (depth_ > 0) {
            out_ += '\n';
            Indent();
        }
        first_ = false;
        if (!key.empty()) out_ += JsonString(key) + ": ";
    }
    void Indent() { out_.append(static_cast<std::size_t>(depth_) * 2, ' '); }

    std::string out_;
    int depth_ = 0;
    bool first_ = true;
};

void WriteObjectFields(JsonWriter& w, const TDataSkinObject& o) {
    w.Int("LeftWidth", o.LeftWidth);
    w.Int("TopHeight", o.TopHeight);
    w.Int("RightWidth", o.RightWidth);
    w.Int("BottomHeight", o.BottomHeight);
    w.Bitmap("Bitmap", o.Bitmap);
    w.Int("Trans", o.Trans);
    w.Int("Tile", o.Tile);
    w.Raw("Name", JsonString(o.Name));
    w.Int("FrameCount", o.FrameCount);
    w.Int("Style", o.Style);
    w.Int("NormalColour", o.NormalColour);
    w.Int("MouseOverColour", o.MouseOverColour);
    w.Int("PressedColour", o.PressedColour);
    w.Colour("NormalColour2", o.NormalColour2);
    w.Colour("MouseOverColour2", o.MouseOverColour2);
    w.Colour("PressedColour2", o.PressedColour2);
}

void WriteClassFields(JsonWriter& w, const TDataSkinObject& o) {
    if (const auto* b = dynamic_cast<const TDataSkinBorder*>(&o)) {
        w.Bitmap("Bitmap2", b->Bitmap2);
    } else if (const auto* t = dynamic_cast<const TDataSkinTitle*>(&o)) {
        w.Int("TextAlignment", t->TextAlignment);
        w.Int("Textbackground", t->Textbackground);
        w.Int("FontHeight", t->FontHeight);
        w.Int("TXTBackleft", t->TXTBackleft);
        w.Int("TXTBackRight", t->TXTBackRight);
        w.Colour("ActiveTextColour", t->ActiveTextColour);
        w.Colour("InActiveTextColour", t->InActiveTextColour);
    } else if (const auto* k = dynamic_cast<const TDataSkinButton*>(&o)) {
        w.Bitmap("CheckBitmap", k->CheckBitmap);
        w.Bitmap("RadioBitmap", k->RadioBitmap);
        w.Int("RadioFrameCount", k->RadioFrameCount);
        w.Int("CheckFrameCount", k->CheckFrameCount);
        w.Int("HasNormalColour2", k->HasNormalColour2);
        w.Int("HasMouseOverColour2", k->HasMouseOverColour2);
        w.Int("HasPressedColour2", k->HasPressedColour2);
    } else if (const auto* s = dynamic_cast<const TDataSkinSysButton*>(&o)) {
        w.Int("Action", s->Action);
        w.Int("Align", s->Align);
        w.Int("Xcoord", s->Xcoord);
        w.Int("Ycoord", s->Ycoord);
        w.Int("CombineOp", s->CombineOp);
        w.Int("Visibility", s->Visibility);
        w.Int("Visibility1", s->Visibility1);
    }
}

void WriteObject(JsonWriter& w, std::string_view key, const TDataSkinObject* o) {
    if (o == nullptr) return w.Raw(key, "null");
    w.Open(key, '{');
    WriteObjectFields(w, *o);
    WriteClassFields(w, *o);
    w.Close('}');
}

void WriteColours(JsonWriter& w, const TSkinData& d) {
    w.Colour("TitleTextActiveColour", d.TitleTextActiveColour);
    w.Colour("TitleTextNoActiveColour", d.TitleTextNoActiveColour);
    w.Colour("ButtonFaceColour", d.ButtonFaceColour);
    w.Colour("ButtonTextColour", d.ButtonTextColour);
    w.Colour("ButtonHilightColour", d.ButtonHilightColour);
    w.Colour("ButtonShadowColour", d.ButtonShadowColour);
    w.Colour("ButtonDkShadowColour", d.ButtonDkShadowColour);
    w.Colour("HilightColour", d.HilightColour);
    w.Colour("HilightTextColour", d.HilightTextColour);
    w.Colour("MenubarColour", d.MenubarColour);
    w.Colour("MenuBarTextColour", d.MenuBarTextColour);
    w.Colour("MenuTextColour", d.MenuTextColour);
    w.Colour("MenuColour", d.MenuColour);
    w.Colour("ScrollbarColour", d.ScrollbarColour);
}

std::string DescribeSkin(const TSkinData& d, const std::vector<std::string>& members) {
    JsonWriter w;
    w.Open("", '{');
    w.Raw("SkinName", JsonString(d.SkinName));
    w.Raw("NoSkin", d.NoSkin ? "true" : "false");
    WriteColours(w, d);
    WriteObject(w, "Title", &d.Title);
    w.Open("SysButtons", '[');
    for (const auto& button : d.SysButtons) WriteObject(w, "", button.get());
    w.Close(']');
    WriteObject(w, "Buttons", &d.Buttons);
    const std::pair<std::string_view, const TDataSkinObject*> optional[] = {
        {"Tabs", d.Tabs.get()},
        {"Progress", d.Progress.get()},
        {"UpDownHorz", d.UpDownHorz.get()},
        {"UpDownVert", d.UpDownVert.get()},
        {"SunkEdge", d.SunkEdge.get()},
        {"ExtraImages", d.ExtraImages.get()},
        {"ComboButton", d.ComboButton.get()},
        {"StatusBarEdges", d.StatusBarEdges.get()},
        {"Headerbar", d.Headerbar.get()},
        {"MenuBar", d.MenuBar.get()},
        {"MenuItem", d.MenuItem.get()},
        {"MenuBackground", d.MenuBackground.get()},
        {"Scrollbar", d.Scrollbar.get()},
        {"HorzScroll", d.HorzScroll.get()},
        {"VertScroll", d.VertScroll.get()},
        {"HorzScrollThumb", d.HorzScrollThumb.get()},
        {"VertScrollThumb", d.VertScrollThumb.get()},
        {"TrackbarThumbHorz", d.TrackbarThumbHorz.get()},
        {"TrackbarThumbVert", d.TrackbarThumbVert.get()},
        {"LeftBorder", &d.LeftBorder},
        {"RightBorder", &d.RightBorder},
        {"TopBorder", &d.TopBorder},
        {"BottomBorder", &d.BottomBorder},
    };
    for (const auto& [key, object] : optional) WriteObject(w, key, object);
    w.Open("Members", '[');
    for (const std::string& name : members) w.Raw("", JsonString(name));
    w.Close(']');
    w.Close('}');
    return w.Text();
}

}  // namespace

int RunInfo(Args args) {
    // The archive view gives the member names as stored and a clear error for a
    // package of another version; the skin data then load the same bytes.
    LoadedArchive package;
    LoadArchive(args[0], package);
    const std::vector<std::string> members(package.view.names.begin(), package.view.names.end());

    TSkinData data;
    data.PackageStream = ReadFileBytes(args[0]);
    data.OnPackageMessage = [](const std::string& text) { std::cerr << text << '\n'; };
    if (!data.LoadPackage()) throw ToolError(args[0] + ": the package cannot be opened");
    std::cout << DescribeSkin(data, members);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace zuno::skinpack
