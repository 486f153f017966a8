// LZHUF decoder and the adaptive Huffman model it shares with the encoder.
// The steps follow the classic LZHUF decoder one for one; only the input is read
// through a 4 KiB buffer and the output is handed on in blocks.
#include "skin/package/Lzh.h"

#include <algorithm>
#include <new>

namespace zuno::skin {

namespace lzh {
namespace {
constexpr std::array<uint8_t, 256> MakePositionCode() {
    std::array<uint8_t, 256> t{};
    int i = 0;
    auto fill = [&](int firstCode, int codes, int each) {
        for (int c = 0; c < codes; ++c)
            for (int k = 0; k < each; ++k) t[i++] = static_cast<uint8_t>(firstCode + c);
    };
    fill(0, 1, 32);    //   0..31
    fill(1, 3, 16);    //  32..79
    fill(4, 8, 8);     //  80..143
    fill(12, 12, 4);   // 144..191
    fill(24, 24, 2);   // 192..239
    fill(48, 16, 1);   // 240..255
    return t;
}
constexpr std::array<uint8_t, 256> MakePositionLength() {
    std::array<uint8_t, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = i < 32 ? 3 : i < 80 ? 4 : i < 144 ? 5 : i < 192 ? 6 : i < 240 ? 7 : 8;
    return t;
}
}  // namespace
const std::array<uint8_t, 256> PositionCode = MakePositionCode();
const std::array<uint8_t, 256> PositionLength = MakePositionLength();
}  // namespace lzh

using namespace lzh;

// ---- Huffman model ---------------------------------------------------------

void TLZHTree::AllocTables() {
    try {
        freq_.assign(TreeSize + 1, 0);
        parent_.assign(TreeSize + SymbolCount, 0);
        son_.assign(TreeSize, 0);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
}

void TLZHTree::FreeTables() {
    std::vector<uint16_t>().swap(freq_);
    std::vector<int16_t>().swap(parent_);
    std::vector<int16_t>().swap(son_);
}

void TLZHTree::StartHuff() {
    for (int i = 0; i < SymbolCount; ++i) {
        freq_[i] = 1;
        son_[i] = static_cast<int16_t>(i + TreeSize);
        parent_[i + TreeSize] = static_cast<int16_t>(i);
    }
    int i = 0;
    for (int j = SymbolCount; j <= Root; ++j) {
        freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        son_[j] = static_cast<int16_t>(i);
        parent_[i] = parent_[i + 1] = static_cast<int16_t>(j);
        i += 2;
    }
    freq_[TreeSize] = 0xFFFF;
    parent_[Root] = 0;
}

void TLZHTree::Reconst() {
    // Gather the leaves at the front, halving their frequencies.
    int j = 0;
    for (int i = 0; i < TreeSize; ++i) {
        if (son_[i] >= TreeSize) {
            freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
            son_[j] = son_[i];
            ++j;
        }
    }
    // Rebuild the inner nodes, keeping Freq sorted.
    int i = 0;
    for (j = SymbolCount; j < TreeSize; ++j) {
        const uint16_t f = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        int k = j - 1;
        while (f < freq_[k]) --k;
        ++k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + j, freq_.begin() + j + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + j, son_.begin() + j + 1);
        freq_[k] = f;
        son_[k] = static_cast<int16_t>(i);
        i += 2;
    }
    // Relink the parents.
    for (i = 0; i < TreeSize; ++i) {
        const int k = son_[i];
        parent_[k] = static_cast<int16_t>(i);
        if (k < TreeSize) parent_[k + 1] = static_cast<int16_t>(i);
    }
}

void TLZHTree::Update(int symbol) {
    if (freq_[Root] == MaxFreq) Reconst();
    int c = parent_[symbol + TreeSize];
    do {
        const uint16_t k = static_cast<uint16_t>(freq_[c] + 1);
        freq_[c] = k;
        if (k > freq_[c + 1]) {
            int l = c + 1;
            while (k > freq_[l + 1]) ++l;  // the sentinel at 627 stops this
            freq_[c] = freq_[l];
            freq_[l] = k;
            const int i = son_[c];
            parent_[i] = static_cast<int16_t>(l);
            if (i < TreeSize) parent_[i + 1] = static_cast<int16_t>(l);
            const int j = son_[l];
            son_[l] = static_cast<int16_t>(i);
            parent_[j] = static_cast<int16_t>(c);
            if (j < TreeSize) parent_[j + 1] = static_cast<int16_t>(c);
            son_[c] = static_cast<int16_t>(j);
            c = l;
        }
        c = parent_[c];
    } while (c != 0);
}

// ---- Bit input -------------------------------------------------------------

void TLZH::BindInput(const InputFn* input) {
    input_ = input;
    inpos_ = inlen_ = 0;
    inputDone_ = false;
    bitBuffer_ = 0;
    bitCount_ = 0;
}

uint8_t TLZH::NextInputByte() {
    if (inpos_ == inlen_) {
        if (inputDone_ || input_ == nullptr) return 0;
        inlen_ = (*input_)(inbuf_.data(), inbuf_.size());
        inpos_ = 0;
        if (inlen_ == 0) {
            inputDone_ = true;  // exhausted: zero bits from now on
            return 0;
        }
    }
    return inbuf_[inpos_++];
}

int TLZH::GetBit() {
    while (bitCount_ <= 8) {
        bitBuffer_ = static_cast<uint16_t>(bitBuffer_ | (NextInputByte() << (8 - bitCount_)));
        bitCount_ = static_cast<uint8_t>(bitCount_ + 8);
    }
    const int bit = bitBuffer_ >> 15;
    bitBuffer_ = static_cast<uint16_t>(bitBuffer_ << 1);
    --bitCount_;
    return bit;
}

int TLZH::GetByte() {
    while (bitCount_ <= 8) {
        bitBuffer_ = static_cast<uint16_t>(bitBuffer_ | (NextInputByte() << (8 - bitCount_)));
        bitCount_ = static_cast<uint8_t>(bitCount_ + 8);
    }
    const int byte = bitBuffer_ >> 8;
    bitBuffer_ = static_cast<uint16_t>(bitBuffer_ << 8);
    bitCount_ = static_cast<uint8_t>(bitCount_ - 8);
    return byte;
}

// ---- Decoding ----------------------------------------------------------------

int TLZH::DecodeChar() {
    int c = son_[Root];
    while (c < TreeSize) c = son_[c + GetBit()];
    c -= TreeSize;
    Update(c);
    return c;
}

int TLZH::DecodePosition() {
    int i = GetByte();
    const int high = PositionCode[i] << 6;
    for (int n = PositionLength[i] - 2; n > 0; --n) i = (i << 1) + GetBit();
    return high | (i & 0x3F);
}

void TLZH::BeginForTest(std::span<const uint8_t> input) {
    testInput_.assign(input.begin(), input.end());
    size_t pos = 0;
    testInputFn_ = [this, pos](uint8_t* buffer, size_t count) mutable {
        const size_t n = std::min(count, testInput_.size() - pos);
        std::copy_n(testInput_.data() + pos, n, buffer);
        pos += n;
        return n;
    };
    AllocTables();
    StartHuff();
    BindInput(&testInputFn_);
}

void TLZH::Unpack(int64_t count, const InputFn& input, const OutputFn& output) {
    AllocTables();
    struct TablesGuard {
        TLZH* self;
        ~TablesGuard() {
            self->FreeTables();
            std::vector<uint8_t>().swap(self->window_);
            self->input_ = nullptr;
        }
    } guard{this};
    try {
        window_.assign(WindowAllocSize, 0);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    StartHuff();
    std::fill_n(window_.begin(), FirstRingPosition, uint8_t{' '});
    BindInput(&input);

    // Output is handed on in blocks; a block never splits a caller-visible rule.
    std::array<uint8_t, 8192> block;
    size_t fill = 0;
    int r = FirstRingPosition;
    int64_t produced = 0;
    uint8_t* const win = window_.data();
    while (produced < count) {
        const int c = DecodeChar();
        if (c < 256) {
            const uint8_t b = static_cast<uint8_t>(c);
            block[fill++] = b;
            win[r] = b;
            r = (r + 1) & (WindowSize - 1);
            ++produced;
        } else {
            const int i = (r - DecodePosition() - 1) & (WindowSize - 1);
            const int length = c - 255 + Threshold;
            for (int k = 0; k < length; ++k) {
                // Read before write: the copy may overlap the bytes it writes.
                const uint8_t b = win[(i + k) & (WindowSize - 1)];
                block[fill++] = b;
                win[r] = b;
                r = (r + 1) & (WindowSize - 1);
            }
            produced += length;
        }
        if (fill > block.size() - MaxMatch) {
            output(block.data(), fill);
            fill = 0;
        }
    }
    if (fill > 0) output(block.data(), fill);
}

std::vector<uint8_t> TLZH::Unpack(int64_t count, std::span<const uint8_t> input) {
    return UnpackWhole(count, input);
}

}  // namespace zuno::skin
