#!/usr/bin/env python3
# Rasterises an icon to a square PNG with librsvg and cairo through ctypes,
# for machines whose ImageMagick lacks SVG support and that have no
# rsvg-convert. The PNGs are kept in the repository, so a build needs none.
#   for n in scrivel packwell; do for s in 48 256; do
#     python3 rasterise.py $n.svg $n-$s.png $s; done; done
import ctypes, sys
rsvg = ctypes.CDLL("librsvg-2.so.2")
cairo = ctypes.CDLL("libcairo.so.2")
class Rect(ctypes.Structure):
    _fields_ = [("x", ctypes.c_double), ("y", ctypes.c_double), ("width", ctypes.c_double), ("height", ctypes.c_double)]
rsvg.rsvg_handle_new_from_file.restype = ctypes.c_void_p
rsvg.rsvg_handle_new_from_file.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
rsvg.rsvg_handle_render_document.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.POINTER(Rect), ctypes.c_void_p]
cairo.cairo_image_surface_create.restype = ctypes.c_void_p
cairo.cairo_create.restype = ctypes.c_void_p
cairo.cairo_create.argtypes = [ctypes.c_void_p]
cairo.cairo_surface_write_to_png.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
src, out, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
h = rsvg.rsvg_handle_new_from_file(src.encode(), None)
assert h, "cannot read " + src
surface = cairo.cairo_image_surface_create(0, size, size)  # ARGB32
cr = cairo.cairo_create(surface)
ok = rsvg.rsvg_handle_render_document(h, cr, ctypes.byref(Rect(0, 0, size, size)), None)
assert ok, "render failed"
assert cairo.cairo_surface_write_to_png(surface, out.encode()) == 0
