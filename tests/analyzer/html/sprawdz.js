// Appended by html_przegladarka.py to a copy of a report page, after
// window.OCZEKIWANE (what the console and the grammar say the page must
// show): checks the page as the browser lays it out and writes the faults
// found, as JSON, into <pre id="werdykt">.
(() => {
  const O = window.OCZEKIWANE, bledy = [], eps = 0.5;
  const blad = (s) => bledy.length < 40 && bledy.push(s);

  // The summary, every message, and a section with a diagram for each production.
  const pods = document.getElementById("podsumowanie");
  if (!pods || pods.textContent.trim() !== O.podsumowanie) blad("podsumowanie: " + (pods && pods.textContent));
  if (document.querySelectorAll("ol.spis li").length !== O.liczba_komunikatow) blad("spis komunikatow niepelny");
  const li = [...document.querySelectorAll("li[id^=k]")].map((l) => l.textContent);
  for (const k of O.komunikaty) if (!li.some((t) => t.startsWith(k.linia))) blad("nie wypisany: " + k.linia);
  const sekcje = [...document.querySelectorAll("section[id^='p-']")], nazwy = sekcje.map((s) => s.id.slice(2));
  if (JSON.stringify(nazwy) !== JSON.stringify(O.produkcje)) blad("produkcje: " + nazwy.join(" "));
  for (const s of sekcje) if (!s.querySelector("svg.diagram")) blad(s.id + ": brak diagramu");
  if (O.bez_modelu && (document.querySelector("svg") || !document.querySelector("p.bez-modelu")))
    blad("strona bez modelu pokazuje diagram albo nie mowi, czemu go nie ma");
  for (const a of document.querySelectorAll("svg a"))
    if (!document.getElementById(a.getAttribute("href").slice(1))) blad("link donikad: " + a.getAttribute("href"));
  const napisy = [...document.querySelectorAll("svg text")].map((t) => t.textContent);
  for (const n of O.napisy) if (!napisy.includes(n)) blad("brak pudelka " + n);
  for (const n of O.zakazane) if (napisy.includes(n)) blad("pudelko " + n + " nie tak, jak pisze je plik tokenow");

  const pole = (el, b = el.getBBox()) => ({ x0: b.x, y0: b.y, x1: b.x + b.width, y1: b.y + b.height });
  const nachodza = (a, b) => a.x0 < b.x1 - eps && b.x0 < a.x1 - eps && a.y0 < b.y1 - eps && b.y0 < a.y1 - eps;
  const w_srodku = (a, b) => a.x0 >= b.x0 - eps && a.x1 <= b.x1 + eps && a.y0 >= b.y0 - eps && a.y1 <= b.y1 + eps;

  // Texts apart and inside their boxes, nothing outside the picture, both
  // sides of every box and mark reached by the end of a line.
  for (const svg of document.querySelectorAll("svg.diagram")) {
    const gdzie = svg.closest("section").id;
    const W = +svg.getAttribute("width"), H = +svg.getAttribute("height");
    if (W > O.max_szerokosc) blad(gdzie + ": szerokosc " + W);
    const teksty = [...svg.querySelectorAll("text")], pola = teksty.map((t) => pole(t));
    for (let i = 0; i < pola.length; ++i)
      for (let j = i + 1; j < pola.length; ++j)
        if (nachodza(pola[i], pola[j])) blad(gdzie + ": nachodza " + teksty[i].textContent + " i " + teksty[j].textContent);
    teksty.forEach((t, i) => {
      const r = t.parentNode.querySelector("rect");
      if (!r || !w_srodku(pola[i], pole(r))) blad(gdzie + ": tekst poza pudelkiem: " + t.textContent);
    });
    const obraz = { x0: 0, y0: 0, x1: W, y1: H };
    for (const el of svg.querySelectorAll("rect, text, path, circle"))
      if (!w_srodku(pole(el), obraz)) blad(gdzie + ": wychodzi poza rysunek: " + el.outerHTML.slice(0, 80));
    const konce = [];
    for (const p of svg.querySelectorAll("path")) konce.push(p.getPointAtLength(0), p.getPointAtLength(p.getTotalLength()));
    const dotyka = (x, y) => konce.some((k) => Math.abs(k.x - x) < eps && Math.abs(k.y - y) < eps);
    for (const el of svg.querySelectorAll("rect, circle")) {
      const b = pole(el), y = (b.y0 + b.y1) / 2;
      if (!dotyka(b.x0, y) || !dotyka(b.x1, y)) blad(gdzie + ": pudelko bez linii: " + el.parentNode.textContent);
    }
  }

  // What each message blames is marked with its weight, an error's where
  // an error blames it too; and nothing else is marked.
  const pierwszy = (g) => g.querySelector("[data-poz]")?.getAttribute("data-poz");
  const galezie = (g) => [...g.children].filter((c) => c.matches("g.galaz"));
  const cele = (k) => {
    let m;
    if ((m = /^konflikt LL\(1\): (opcja|powtorzenie) /.exec(k.tekst)))
      return [...document.querySelectorAll(`g.grupa.${m[1]}[data-poz="${k.poz}"]`)];
    if ((m = /^konflikt LL\(1\): galezie (\d+) i (\d+) /.exec(k.tekst))) {
      for (const g of document.querySelectorAll("g.grupa")) {
        const b = galezie(g);
        if (b.length >= +m[2] && pierwszy(b[+m[2] - 1]) === k.poz) return [b[+m[1] - 1], b[+m[2] - 1]];
      }
      return [];
    }
    if (/ moze byc pusty na poczatku /.test(k.tekst))
      return [...document.querySelectorAll("g.galaz")].filter((g) => pierwszy(g) === k.poz);
    if ((m = /^nieterminal "(.+)" (jest nieosiagalny|nie wyprowadza)/.exec(k.tekst)))
      return [...document.querySelectorAll(`[id="p-${m[1]}"] > h2`)];
    if (/^nieterminal ".+" nie ma produkcji/.test(k.tekst))
      return [...document.querySelectorAll(`g.symbol[data-poz="${k.poz}"]`)];
    return null;
  };
  // A heading takes the weight of every message at the production's start.
  const blad_w = new Set(O.komunikaty.filter((k) => k.waga === "blad").map((k) => k.poz));
  const wagi = new Map();
  for (const k of O.komunikaty) {
    const c = cele(k);
    if (c && c.length === 0) blad("nie ma czego oznaczyc: " + k.linia);
    for (const el of c || [])
      wagi.set(el, wagi.get(el) === "blad" || (el.matches("h2") && blad_w.has(k.poz)) ? "blad" : k.waga);
  }
  for (const [el, w] of wagi)
    if (!el.classList.contains(w) || (w === "ostrzezenie" && el.classList.contains("blad")))
      blad("nie oznaczono jako " + w + ": " + (el.id || el.textContent));
  const miejsca = new Set(O.komunikaty.map((k) => k.poz));
  for (const el of document.querySelectorAll("svg .blad, svg .ostrzezenie"))
    if (!wagi.has(el) && !(el.matches("g.symbol") && miejsca.has(el.getAttribute("data-poz"))))
      blad("oznaczone bez komunikatu: " + el.id);

  document.body.insertAdjacentHTML("beforeend", "<pre id=werdykt></pre>");
  document.getElementById("werdykt").textContent = JSON.stringify(bledy);
})();
