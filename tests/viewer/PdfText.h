#pragma once

#include "FileIo.h"

#include <zlib.h>

#include <string>

// What a test can see of a PDF file written by Qt: its number of pages and its content
// streams, inflated and joined.
struct PdfText {
    int pages = 0;
    std::string content;

    // How often token occurs in the content: "0 0 1 SCN" sets a blue pen, "B*" fills and
    // strokes a path (a marker), "S" strokes one (a line or the circle).
    int Count(const std::string& token) const
    {
        int n = 0;
        for (size_t at = content.find(token); at != std::string::npos; at = content.find(token, at + 1))
            ++n;
        return n;
    }
};

// The inflated bytes of a Flate-encoded stream; empty when they are not zlib data.
inline std::string Inflate(const std::string& data)
{
    std::string out;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return out;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    zs.avail_in = static_cast<uInt>(data.size());
    char buffer[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(buffer);
        zs.avail_out = sizeof buffer;
        status = inflate(&zs, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - zs.avail_out);
    }
    inflateEnd(&zs);
    return status == Z_STREAM_END ? out : std::string();
}

inline PdfText ReadPdf(const std::string& path)
{
    const std::string bytes = exchange::ReadFileBytes(path);
    PdfText pdf;
    for (size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        pdf.pages += bytes.compare(at, 12, "/Type /Pages") != 0;
    for (size_t at = bytes.find("stream\n"); at != std::string::npos; at = bytes.find("stream\n", at)) {
        const size_t begin = at + 7;
        const size_t end = bytes.find("endstream", begin);
        if (end == std::string::npos)
            break;
        const std::string data = bytes.substr(begin, end - begin);
        const std::string inflated = Inflate(data);
        pdf.content += inflated.empty() ? data : inflated;
        at = end + 9;
    }
    return pdf;
}
