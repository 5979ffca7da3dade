#include <csetjmp>
#include <cstdio>
#include <optional>
#include <vector>

#include "image/CodecLibraries.h"
#include "image/DecodeBudget.h"
#include "image/Decoders.h"
#include "image/Messages.h"
#include "image/TextFormat.h"

namespace wendle::decoders {

namespace {

// libjpeg reports a fatal error by calling error_exit, which by default
// prints and ends the process; here it jumps back to the decoder instead.
// The progress monitor jumps back the same way when a limit is reached.
struct ErrorManager {
    jpeg_error_mgr base;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    const DecodeBudget* budget = nullptr;
    // Set before a jump that a limit caused; otherwise libjpeg's message says why.
    std::optional<PictureLoad> refusal;
};

ErrorManager& managerOf(j_common_ptr info) {
    return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(managerOf(info).jump, 1);
}

// libjpeg calls this between scans and between rows: the place to stop a
// file that repeats its scans, or that takes too long for any reason.
void watchProgress(j_common_ptr info) {
    ErrorManager& manager = managerOf(info);
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > manager.budget->limits().jpegScans) {
        manager.refusal = manager.budget->tooManyScans();
        jumpBack(info);
    }
    if (manager.budget->outOfTime()) {
        manager.refusal = manager.budget->tooSlow();
        jumpBack(info);
    }
}

// Warnings (a truncated file, stray bytes) are not shown to anyone.
void stayQuiet(j_common_ptr) {}

struct Decoded {
    std::vector<std::uint32_t> pixels;
    std::vector<JSAMPLE> line;
    int width = 0;
    int height = 0;
    int rowsRead = 0;
    std::optional<PictureLoad> refusal;
};

std::uint32_t packRgb(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

void storeRow(Decoded& out, const jpeg_decompress_struct& info) {
    std::uint32_t* row = &out.pixels[std::size_t(out.rowsRead) * std::size_t(out.width)];
    const JSAMPLE* in = out.line.data();
    if (info.out_color_space == JCS_CMYK) {
        // Adobe writers store the inks inverted.
        const bool inverted = info.saw_Adobe_marker;
        for (int x = 0; x < out.width; ++x, in += 4) {
            unsigned c = in[0], m = in[1], y = in[2], k = in[3];
            if (!inverted) {
                c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
            }
            row[x] = packRgb(c * k / 255, m * k / 255, y * k / 255);
        }
        return;
    }
    for (int x = 0; x < out.width; ++x, in += 3) row[x] = packRgb(in[0], in[1], in[2]);
}

PictureLoad damagedBy(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX] = {};
    info->err->format_message(info, text);
    return PictureLoad::refused(PictureProblem::Damaged,
                                formatText(image_messages::kDamagedJpeg, text));
}

// Runs libjpeg with a jump target for its errors. Only plain data lives in
// this frame, so the jump skips no destructor; the vectors are the caller's.
bool decodeInto(const codecs::JpegCalls& calls, std::FILE* file, const DecodeBudget& budget,
                Decoded& out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = calls.stdError(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.output_message = stayQuiet;
    errors.budget = &budget;
    calls.createDecompress(&info, JPEG_LIB_VERSION, sizeof(info));
    if (setjmp(errors.jump)) {
        // A damaged trailer after the last row still leaves a whole picture.
        const bool whole = !errors.refusal && out.height > 0 && out.rowsRead == out.height;
        if (!whole)
            out.refusal =
                errors.refusal ? std::move(errors.refusal) : damagedBy(j_common_ptr(&info));
        calls.destroyDecompress(&info);
        return whole;
    }
    errors.progress.progress_monitor = watchProgress;
    info.progress = &errors.progress;
    calls.stdioSource(&info, file);
    calls.readHeader(&info, TRUE);
    // Known from the header alone, before libjpeg takes its buffers.
    out.refusal =
        budget.refuseSize(info.image_width, info.image_height, image_messages::kDamagedJpeg);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const int components = cmyk ? 4 : 3;
    if (!out.refusal && info.num_components != 1 && info.num_components != components) {
        out.refusal =
            PictureLoad::refused(PictureProblem::Damaged,
                                 formatText(image_messages::kUnsupportedJpeg, info.num_components));
    }
    if (out.refusal) {
        calls.destroyDecompress(&info);
        return false;
    }
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    calls.startDecompress(&info);
    if (info.output_components != components) {
        out.refusal = PictureLoad::refused(
            PictureProblem::Damaged,
            formatText(image_messages::kUnsupportedJpeg, info.output_components));
        calls.destroyDecompress(&info);
        return false;
    }
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.pixels.assign(std::size_t(out.width) * std::size_t(out.height), 0xFF000000u);
    out.line.assign(std::size_t(out.width) * std::size_t(components), 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.line.data();
        if (calls.readScanlines(&info, &row, 1) != 1)
            break;
        storeRow(out, info);
        ++out.rowsRead;
    }
    calls.finishDecompress(&info);
    calls.destroyDecompress(&info);
    if (out.rowsRead != out.height) {
        out.refusal = PictureLoad::refused(
            PictureProblem::Damaged,
            formatText(image_messages::kDamagedJpeg, "it ends before its last row"));
        return false;
    }
    return true;
}

}  // namespace

PictureLoad decodeJpeg(std::FILE* file, const PictureLimits& limits) {
    const codecs::JpegCalls* calls = codecs::jpeg();
    if (!calls) {
        return PictureLoad::refused(
            PictureProblem::NoDecoder,
            formatText(image_messages::kNoDecoder, "JPEG", codecs::missingJpeg()));
    }
    const DecodeBudget budget(limits);
    Decoded decoded;
    if (!decodeInto(*calls, file, budget, decoded))
        return std::move(*decoded.refusal);
    return PictureLoad{
        std::make_unique<Picture>(decoded.width, decoded.height, std::move(decoded.pixels)),
        PictureProblem::None,
        {}};
}

}  // namespace wendle::decoders
