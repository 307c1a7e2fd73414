#include "app/cli/TBatchReader.h"

#include <cerrno>
#include <cstring>
#include <istream>

namespace cli {

namespace {

constexpr std::size_t ChunkBytes = 65536;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The first line end at or after `from`, or `end`; memchr keeps an endless line as cheap to pass as a copy.
std::size_t LineEnd(const char* data, std::size_t from, std::size_t end)
{
    const auto* newline = static_cast<const char*>(std::memchr(data + from, '\n', end - from));
    const std::size_t limit = newline ? static_cast<std::size_t>(newline - data) : end;
    const auto* carriageReturn = static_cast<const char*>(std::memchr(data + from, '\r', limit - from));
    return carriageReturn ? static_cast<std::size_t>(carriageReturn - data) : limit;
}

}

TBatchReader::TBatchReader(std::istream& in) : in_(in), buffer_(ChunkBytes) {}

bool TBatchReader::Ready() const
{
    return pos_ < end_ || in_.rdbuf()->in_avail() > 0;
}

bool TBatchReader::Fill()
{
    // peek waits for at least one byte; readsome then takes what is ready without waiting for more.
    errno = 0;
    if (in_.peek() == std::istream::traits_type::eof()) {
        if (in_.bad()) {
            readError_ = errno != 0 ? errno : EIO;
        }
        return false;
    }
    pos_ = 0;
    end_ = static_cast<std::size_t>(in_.readsome(buffer_.data(), static_cast<std::streamsize>(buffer_.size())));
    return end_ > 0;
}

TLineRead TBatchReader::Next(std::string_view& line)
{
    pieces_.clear();
    bool started = false;
    bool tooLong = false;
    while (true) {
        if (pos_ == end_ && !Fill()) {
            if (!started) {
                return TLineRead::End;
            }
            line = pieces_;
            break;
        }
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (buffer_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        const std::size_t stop = LineEnd(buffer_.data(), pos_, end_);
        const std::string_view piece(buffer_.data() + pos_, stop - pos_);
        const bool ended = stop < end_;
        pos_ = ended ? stop + 1 : stop;
        if (ended) {
            afterCarriageReturn_ = buffer_[stop] == '\r';
        }
        if (!tooLong && pieces_.size() + piece.size() > MaxBatchLineBytes) {
            tooLong = true;
            pieces_.clear();
        }
        if (ended && !started) {
            line = piece;
            break;
        }
        started = true;
        if (!tooLong) {
            pieces_.append(piece);
        }
        if (ended) {
            line = pieces_;
            break;
        }
    }
    if (tooLong) {
        firstLine_ = false;
        return TLineRead::TooLong;
    }
    if (firstLine_) {
        firstLine_ = false;
        if (line.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
            line.remove_prefix(ByteOrderMark.size());
        }
    }
    return TLineRead::Line;
}

}
