#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The longest batch line accepted, in bytes without its line end; it bounds the memory a batch needs.
inline constexpr std::size_t MaxBatchLineBytes = 65536;

enum class TLineRead { Line, TooLong, End };

// Reads batch input line by line in constant memory: LF, CR and CRLF all end a line, a UTF-8 byte order mark
// before the first line is skipped, and a line longer than MaxBatchLineBytes is read past and reported as TooLong.
// Reads only what the stream has ready, so lines arriving through a pipe are handled as they come.
class TBatchReader {
public:
    explicit TBatchReader(std::istream& in);

    // False when the next line would have to wait for the input (a pipe or terminal with nothing written yet).
    bool Ready() const;

    // The next line, valid until the next call; End once the input is exhausted.
    TLineRead Next(std::string_view& line);

    // Once the stream failed: the system's error number for why it could not be read (EIO if it gave none).
    int ReadError() const { return readError_; }

private:
    bool Fill();

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::string pieces_;
    bool afterCarriageReturn_ = false;
    bool firstLine_ = true;
    int readError_ = 0;
};

}
