/* SPDX-License-Identifier: MIT */
/* Logs on with a GLib main loop driving the library and prints the texts
 * that arrive, until the server closes the connection or Ctrl-C.
 *
 * Usage: glib_example USER PASSWORD [HOST [PORT]] */
#include <glib-unix.h>
#include <glib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>

#include <quor.h>
#include <quor/adapters/glib.h>

static GMainLoop *loop;
static int status = 0;

static void stop(int exit_status) {
    status = exit_status;
    g_main_loop_quit(loop);
}

static void on_login(QUORHANDLE h, int result) {
    (void)h;
    printf("login: %s (%d)\n", quor_geterrortext(result), result);
    if (result != 0)
        stop(1);
}

static void on_text(QUORHANDLE h, const char *sender, const char *text) {
    (void)h;
    printf("%s: %s\n", sender, text);
}

static void on_disconnect(QUORHANDLE h) {
    (void)h;
    printf("disconnected\n");
    stop(0);
}

static gboolean on_interrupt(gpointer data) {
    (void)data;
    stop(0);
    return G_SOURCE_REMOVE;
}

int main(int argc, char **argv) {
    GSource *library;
    if (argc < 3 || argc > 5) {
        fprintf(stderr, "usage: %s USER PASSWORD [HOST [PORT]]\n", argv[0]);
        return 2;
    }
    quor_setserver(argc > 3 ? argv[3] : NULL, argc > 4 ? atoi(argv[4]) : 0);
    if (quor_init(QUOR_API_BUILD) != 0) {
        fprintf(stderr, "init: %s\n", quor_geterrortext(quor_getlasterror()));
        return 1;
    }
    quor_setcallback(QUOR_CB_LOGIN, (QUORCALLBACK)on_login);
    quor_setcallback(QUOR_CB_TEXT, (QUORCALLBACK)on_text);
    quor_setcallback(QUOR_CB_DISCONNECT, (QUORCALLBACK)on_disconnect);
    if (quor_login(quor_create(), argv[1], argv[2]) != 0) {
        fprintf(stderr, "login: error %d\n", quor_getlasterror());
        quor_term();
        return 1;
    }

    loop = g_main_loop_new(NULL, FALSE);
    library = quor_glib_source_new();
    g_source_attach(library, NULL);
    g_unix_signal_add(SIGINT, on_interrupt, NULL);
    g_main_loop_run(loop);

    g_source_destroy(library);
    g_source_unref(library);
    g_main_loop_unref(loop);
    quor_term();
    return status;
}
