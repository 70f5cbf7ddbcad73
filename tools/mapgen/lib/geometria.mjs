// Plane geometry for the map generator: polygons as arrays of rings, each ring
// an array of [x, y] points (closed implicitly), filled by the even-odd rule.

// Reads an SVG path made of moveto / lineto / closepath commands (absolute or
// relative) into rings.
export function leggiPercorso(d) {
    const simboli = d.match(/[MmLlHhVvZz]|[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?/g) ?? [];
    const anelli = [];
    let comando = null;
    let x = 0;
    let y = 0;
    let inizioX = 0;
    let inizioY = 0;
    let corrente = null;
    const chiudi = () => {
        if (corrente && corrente.length >= 3) anelli.push(corrente);
        corrente = null;
    };
    for (let i = 0; i < simboli.length; ) {
        const s = simboli[i];
        if (/[A-Za-z]/.test(s)) {
            comando = s;
            i++;
            if (s === 'Z' || s === 'z') {
                chiudi();
                x = inizioX;
                y = inizioY;
            }
            continue;
        }
        if (comando === null) throw new Error(`path starts with a number: ${d.slice(0, 40)}`);
        const relativo = comando === comando.toLowerCase();
        const c = comando.toLowerCase();
        if (c === 'h' || c === 'v') {
            const v = Number(simboli[i++]);
            if (c === 'h') x = relativo ? x + v : v;
            else y = relativo ? y + v : v;
            corrente.push([x, y]);
            continue;
        }
        const a = Number(simboli[i]);
        const b = Number(simboli[i + 1]);
        i += 2;
        if (Number.isNaN(a) || Number.isNaN(b)) throw new Error('path with an odd coordinate');
        x = relativo ? x + a : a;
        y = relativo ? y + b : b;
        if (c === 'm') {
            chiudi();
            corrente = [[x, y]];
            inizioX = x;
            inizioY = y;
            // Further pairs after a moveto are linetos of the same kind.
            comando = relativo ? 'l' : 'L';
        } else if (c === 'l') {
            corrente.push([x, y]);
        } else {
            throw new Error(`unsupported path command ${comando}`);
        }
    }
    chiudi();
    // Drop repeated points, which the data has at every shared-border junction.
    return anelli.map((anello) => {
        const pulito = anello.filter((p, k) => k === 0 || p[0] !== anello[k - 1][0] || p[1] !== anello[k - 1][1]);
        const [primo, ultimo] = [pulito[0], pulito[pulito.length - 1]];
        if (pulito.length > 1 && primo[0] === ultimo[0] && primo[1] === ultimo[1]) pulito.pop();
        return pulito;
    });
}

export function areaFirmata(anello) {
    let a = 0;
    for (let k = 0; k < anello.length; k++) {
        const p = anello[k];
        const q = anello[(k + 1) % anello.length];
        a += p[0] * q[1] - q[0] * p[1];
    }
    return a / 2;
}

// An affine map [a, b, c, d, e, f]: (x, y) -> (a x + b y + c, d x + e y + f).
export function applicaAffine(t, p) {
    return [t[0] * p[0] + t[1] * p[1] + t[2], t[3] * p[0] + t[4] * p[1] + t[5]];
}

export function inversaAffine(t) {
    const det = t[0] * t[4] - t[1] * t[3];
    const a = t[4] / det;
    const b = -t[1] / det;
    const d = -t[3] / det;
    const e = t[0] / det;
    return [a, b, -(a * t[2] + b * t[5]), d, e, -(d * t[2] + e * t[5])];
}

export function trasformaAnelli(anelli, f) {
    return anelli.map((anello) => anello.map(f));
}

// Even-odd point in polygon.
export function dentro(anelli, x, y) {
    let dentro = false;
    for (const anello of anelli) {
        for (let k = 0, j = anello.length - 1; k < anello.length; j = k++) {
            const [xi, yi] = anello[k];
            const [xj, yj] = anello[j];
            if (yi > y !== yj > y && x < ((xj - xi) * (y - yi)) / (yj - yi) + xi) dentro = !dentro;
        }
    }
    return dentro;
}

// A point strictly inside a simple ring: the midpoint of the widest span of
// the horizontal line through the ring's middle height.
export function puntoInterno(anello) {
    const ys = anello.map((p) => p[1]);
    const y = (Math.min(...ys) + Math.max(...ys)) / 2 + 1e-7;
    const incroci = [];
    for (let k = 0, j = anello.length - 1; k < anello.length; j = k++) {
        const [xi, yi] = anello[k];
        const [xj, yj] = anello[j];
        if (yi > y !== yj > y) incroci.push(xi + ((y - yi) * (xj - xi)) / (yj - yi));
    }
    incroci.sort((a, b) => a - b);
    let migliore = [incroci[0], y];
    let largo = -1;
    for (let k = 0; k + 1 < incroci.length; k += 2) {
        if (incroci[k + 1] - incroci[k] > largo) {
            largo = incroci[k + 1] - incroci[k];
            migliore = [(incroci[k] + incroci[k + 1]) / 2, y];
        }
    }
    return migliore;
}

// Nearest point of the polygon's outline to (x, y), and its distance.
export function puntoVicino(anelli, x, y) {
    let migliore = { d: Infinity, p: null };
    for (const anello of anelli) {
        for (let k = 0, j = anello.length - 1; k < anello.length; j = k++) {
            const [ax, ay] = anello[j];
            const [bx, by] = anello[k];
            const dx = bx - ax;
            const dy = by - ay;
            const l2 = dx * dx + dy * dy;
            const u = l2 > 0 ? Math.max(0, Math.min(1, ((x - ax) * dx + (y - ay) * dy) / l2)) : 0;
            const px = ax + u * dx;
            const py = ay + u * dy;
            const d = Math.hypot(x - px, y - py);
            if (d < migliore.d) migliore = { d, p: [px, py], lato: [dx, dy] };
        }
    }
    return migliore;
}

// Signed distance: negative inside the polygon, positive outside.
export function distanzaFirmata(anelli, x, y) {
    const { d } = puntoVicino(anelli, x, y);
    return dentro(anelli, x, y) ? -d : d;
}

// Rasterises labelled polygons onto a grid of w x h cells of side 1/scala,
// sampling each cell at its centre. Cells outside every polygon stay 255.
export function rasterizza(poligoni, w, h, scala) {
    const griglia = new Uint8Array(w * h).fill(255);
    for (const { indice, anelli } of poligoni) {
        const lati = [];
        for (const anello of anelli) {
            for (let k = 0, j = anello.length - 1; k < anello.length; j = k++) {
                const a = anello[j];
                const b = anello[k];
                if (a[1] === b[1]) continue;
                lati.push([a[0] * scala, a[1] * scala, b[0] * scala, b[1] * scala]);
            }
        }
        let ymin = Infinity;
        let ymax = -Infinity;
        for (const l of lati) {
            ymin = Math.min(ymin, l[1], l[3]);
            ymax = Math.max(ymax, l[1], l[3]);
        }
        const r0 = Math.max(0, Math.floor(ymin - 0.5));
        const r1 = Math.min(h - 1, Math.ceil(ymax + 0.5));
        const incroci = [];
        for (let r = r0; r <= r1; r++) {
            const yc = r + 0.5;
            incroci.length = 0;
            for (const [x0, y0, x1, y1] of lati) {
                if (y0 > yc !== y1 > yc) incroci.push(x0 + ((yc - y0) * (x1 - x0)) / (y1 - y0));
            }
            incroci.sort((p, q) => p - q);
            for (let k = 0; k + 1 < incroci.length; k += 2) {
                const c0 = Math.max(0, Math.ceil(incroci[k] - 0.5));
                const c1 = Math.min(w - 1, Math.ceil(incroci[k + 1] - 0.5) - 1);
                for (let c = c0; c <= c1; c++) griglia[r * w + c] = indice;
            }
        }
    }
    return griglia;
}

// Nelder-Mead minimisation of f from x0 with initial steps `passi`.
export function nelderMead(f, x0, passi, iterazioni = 2000) {
    const n = x0.length;
    let simplesso = [x0.slice()];
    for (let i = 0; i < n; i++) {
        const x = x0.slice();
        x[i] += passi[i];
        simplesso.push(x);
    }
    let valori = simplesso.map(f);
    for (let it = 0; it < iterazioni; it++) {
        const ordine = valori.map((v, i) => i).sort((a, b) => valori[a] - valori[b]);
        simplesso = ordine.map((i) => simplesso[i]);
        valori = ordine.map((i) => valori[i]);
        const centro = new Array(n).fill(0);
        for (let i = 0; i < n; i++) for (let k = 0; k < n; k++) centro[k] += simplesso[i][k] / n;
        const verso = (t) => centro.map((c, k) => c + t * (simplesso[n][k] - c));
        const riflesso = verso(-1);
        const fr = f(riflesso);
        if (fr < valori[0]) {
            const espanso = verso(-2);
            const fe = f(espanso);
            if (fe < fr) {
                simplesso[n] = espanso;
                valori[n] = fe;
            } else {
                simplesso[n] = riflesso;
                valori[n] = fr;
            }
        } else if (fr < valori[n - 1]) {
            simplesso[n] = riflesso;
            valori[n] = fr;
        } else {
            const contratto = verso(fr < valori[n] ? -0.5 : 0.5);
            const fc = f(contratto);
            if (fc < Math.min(fr, valori[n])) {
                simplesso[n] = contratto;
                valori[n] = fc;
            } else {
                for (let i = 1; i <= n; i++) {
                    simplesso[i] = simplesso[i].map((v, k) => simplesso[0][k] + 0.5 * (v - simplesso[0][k]));
                    valori[i] = f(simplesso[i]);
                }
            }
        }
    }
    const migliore = valori.indexOf(Math.min(...valori));
    return { x: simplesso[migliore], valore: valori[migliore] };
}
