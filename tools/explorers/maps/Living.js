// Livingstone's journeys in southern and central Africa.
const C = { early: '#8a6d3b', cross: '#c0392b', zambezi: '#1f5fa8', last: '#1e8a4a' };
export default {
  title: 'David Livingstone',
  subtitle: '1813–1873',
  projection: { type: 'mercator', rotate: [-26, 0], fit: [[11, -35], [42, -35], [11, -3.5], [42, -3.5]] },
  pad: 4,
  routes: [
    { color: C.early, width: 2.6, dashed: true, points: [[18.42, -33.92], [21, -31], [23.43, -27.46], [25.7, -24.67], [24.5, -22], [22.8, -20.45]], arrows: [1] },
    {
      color: C.cross,
      points: [
        [13.23, -8.84], [15.5, -9.3], [17.5, -9.5], [20, -11.5], [22.5, -14], [23.2, -16], [23.8, -18.05],
        [25.86, -17.92], [27.5, -16.8], [28.9, -15.9], [30.45, -15.6], [33.59, -16.16], [35.5, -17.6], [36.89, -17.88],
      ],
      arrows: [7, 10, 12],
    },
    { color: C.zambezi, width: 2.6, dashed: true, points: [[36.3, -18.8], [35.3, -17.5], [35.0, -16.0], [35.25, -14.4], [34.6, -12], [34.2, -10.5]] },
    {
      color: C.last,
      points: [
        [40.1, -10.28], [38.5, -11.3], [36.5, -12.8], [35.3, -14.4], [33.5, -13.5], [32.5, -12], [31.3, -8.8],
        [28.7, -9.0], [29.9, -11.1], [29.2, -8.5], [29.63, -4.88], [26.2, -4.2], [29.63, -4.88], [32.8, -5.02],
        [31.5, -7.5], [30.3, -10], [30.25, -12.3],
      ],
      arrows: [2, 6, 10, 14],
    },
    { color: C.last, dashed: true, width: 2.2, points: [[30.25, -12.3], [32.8, -5.02], [36, -6], [38.9, -6.43]] },
  ],
  places: [
    { name: 'Kapsztad', at: [18.42, -33.92], pos: 'e' },
    { name: 'Kuruman', at: [23.43, -27.46], pos: 'e' },
    { name: 'jezioro Ngami', at: [22.8, -20.45], pos: 'w' },
    { name: 'Luanda', at: [13.23, -8.84], pos: 'n' },
    { name: 'Linyanti', at: [23.8, -18.05], pos: 'sw' },
    { name: 'Wodospad\nWiktorii', at: [25.86, -17.92], pos: 'se', kind: 'star' },
    { name: 'Quelimane', at: [36.89, -17.88], pos: 'e' },
    { name: 'Udżidżi', at: [29.63, -4.88], pos: 'ne' },
    { name: 'Nyangwe', at: [26.2, -4.2], pos: 'w' },
    { name: 'Chitambo\n(† 1873)', at: [30.25, -12.3], pos: 'w' },
    { name: 'Bagamoyo', at: [38.9, -6.43], pos: 'e' },
  ],
  seaLabels: [
    { name: 'Ocean\nAtlantycki', at: [14, -22], size: 12 },
    { name: 'Ocean\nIndyjski', at: [39.5, -27], size: 12 },
  ],
  legend: [
    { color: C.early, dashed: true, text: 'pierwsze lata w Afryce (1841–1852)' },
    { color: C.cross, text: 'przez Afrykę od oceanu do oceanu (1853–1856)' },
    { color: C.zambezi, dashed: true, text: 'wyprawa nad Zambezi i jezioro Niasa (1858–1864)' },
    { color: C.last, text: 'ostatnia wyprawa (1866–1873); - - - droga ciała' },
  ],
};
