/* A pointer and a keyboard for weston's headless backend, which has no seat:
 * a weston module (--modules=<path>/dito.so) that reads lines from the FIFO
 * named by DITO_FIFO and passes them on as input, through the calls a backend
 * makes for a real device, so clients (Xwayland too) get what a player's mouse
 * and keyboard would give them:
 *   m X Y   the pointer moves to (X, Y) on the desktop
 *   c       a left click where the pointer is
 *   k CODE  a key pressed and released (a Linux input code)
 * Debian's weston ships no test module that does this. */
#include <fcntl.h>
#include <libweston/libweston.h>
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
#include <wayland-server-core.h>

/* libweston exports these for its backends; its installed headers do not declare them. */
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec, const char* name);
int weston_seat_init_pointer(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_motion_absolute(struct weston_seat* seat, const struct timespec* time, double x,
                            double y);
void notify_button(struct weston_seat* seat, const struct timespec* time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_pointer_frame(struct weston_seat* seat);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update);

static struct weston_seat seat;
static char riga[256];
static size_t lunghezza;

static void esegui(const char* comando) {
    struct timespec ora;
    double x, y;
    unsigned codice;
    weston_compositor_get_time(&ora);
    if (sscanf(comando, "m %lf %lf", &x, &y) == 2) {
        notify_motion_absolute(&seat, &ora, x, y);
        notify_pointer_frame(&seat);
    } else if (strcmp(comando, "c") == 0) {
        notify_button(&seat, &ora, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
        notify_pointer_frame(&seat);
        notify_button(&seat, &ora, BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
        notify_pointer_frame(&seat);
    } else if (sscanf(comando, "k %u", &codice) == 1) {
        notify_key(&seat, &ora, codice, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
        notify_key(&seat, &ora, codice, WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
    } else {
        weston_log("dito: unknown command '%s'\n", comando);
    }
}

static int leggi(int fd, uint32_t maschera, void* dati) {
    char c;
    (void)maschera;
    (void)dati;
    while (read(fd, &c, 1) == 1) {
        if (c != '\n') {
            if (lunghezza < sizeof riga - 1) riga[lunghezza++] = c;
            continue;
        }
        riga[lunghezza] = '\0';
        lunghezza = 0;
        esegui(riga);
    }
    return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]) {
    const char* percorso = getenv("DITO_FIFO");
    int fd;
    (void)argc;
    (void)argv;
    /* Read and write, so that the FIFO never reads as closed between two writers. */
    fd = percorso ? open(percorso, O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fd < 0) {
        weston_log("dito: cannot open the FIFO named by DITO_FIFO\n");
        return -1;
    }
    weston_seat_init(&seat, compositor, "dito");
    if (weston_seat_init_pointer(&seat) < 0 || weston_seat_init_keyboard(&seat, NULL) < 0) {
        return -1;
    }
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), fd, WL_EVENT_READABLE,
                         leggi, NULL);
    return 0;
}
