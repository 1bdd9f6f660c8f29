/* SPDX-License-Identifier: MIT */
/**
 * \file glib.h
 * \brief Drives the library from a GLib main context.
 *
 * quor_glib_source_new() returns a GSource that watches the library's
 * descriptor and pumps the library whenever it is readable:
 * \code{.c}
 * GSource *source = quor_glib_source_new();
 * g_source_attach(source, NULL);   // the default main context
 * g_source_unref(source);          // the context keeps it
 * // ... g_main_loop_run() ...
 * g_source_destroy(source);        // before quor_term()
 * \endcode
 */
#ifndef QUOR_ADAPTERS_GLIB_H
#define QUOR_ADAPTERS_GLIB_H

#include <glib.h>

#include <quor.h>

/** The source: a GSource followed by the tag of the watched descriptor. */
typedef struct QuorGlibSource {
    GSource source; /**< The GLib part; must come first. */
    gpointer tag;   /**< The descriptor's tag from g_source_add_unix_fd(). */
} QuorGlibSource;

/** \cond INTERNAL */
static inline gboolean quor_glib_dispatch(GSource *source, GSourceFunc callback,
                                          gpointer user_data) {
    QuorGlibSource *watch = (QuorGlibSource *)source;
    (void)callback;
    (void)user_data;
    /* A terminated library has closed the descriptor this source watches;
     * the source then removes itself. */
    if ((g_source_query_unix_fd(source, watch->tag) & G_IO_NVAL) != 0 || quor_pump(0) != 0) {
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}
/** \endcond */

/**
 * Makes a source that pumps the library whenever its descriptor is
 * readable. Attach it with g_source_attach(); destroy it with
 * g_source_destroy() before quor_term(). A source whose library was
 * terminated under it removes itself at its next wake-up.
 * \return a new source (one reference), or NULL when the library is not
 *         initialised
 */
static inline GSource *quor_glib_source_new(void) {
    static GSourceFuncs funcs = {NULL, NULL, quor_glib_dispatch, NULL, NULL, NULL};
    const int fd = quor_getfd();
    GSource *source;
    QuorGlibSource *watch;
    if (fd < 0) {
        return NULL;
    }
    source = g_source_new(&funcs, sizeof(QuorGlibSource));
    watch = (QuorGlibSource *)source;
    watch->tag = g_source_add_unix_fd(source, fd, G_IO_IN);
    g_source_set_name(source, "quor");
    return source;
}

#endif /* QUOR_ADAPTERS_GLIB_H */
