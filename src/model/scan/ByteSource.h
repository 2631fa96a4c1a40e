#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The bytes of one file, read piece by piece: a scan of a library reads the few parts of each file it
// needs, never the whole of a large scenery file.
class TByteSource {
public:
    virtual ~TByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Copies count bytes from offset into the buffer; false when they are not all there or reading
    // failed.
    virtual bool Read(std::uint64_t offset, std::size_t count, unsigned char* into) = 0;
};

// Bytes already in memory, as tests and the fuzzer give them.
class TMemoryBytes final : public TByteSource {
public:
    explicit TMemoryBytes(std::string_view bytes) : FBytes(bytes) {}
    std::uint64_t Size() const override { return FBytes.size(); }
    bool Read(std::uint64_t offset, std::size_t count, unsigned char* into) override;

private:
    std::string_view FBytes;
};
